// As telas do módulo que "compras tela" mostra no terminal. Cada tela entra na tabela
// do menu (telas.cpp) com uma linha: o nome, o que ela mostra e a função que monta o
// diálogo sobre a empresa e o roda até a pessoa fechá-lo.
#pragma once

#include <span>

class CWnd;

namespace compras {

struct TContextoTela {
  const char* szEmpresa;
  unsigned short nUsuario = 1;
  long lSessao = 1;
  CWnd* pPai = nullptr;  // o menu, que fica desabilitado enquanto a tela está aberta
};

struct TTela {
  const char* szNome;
  const char* szResumo;
  void (*pAbre)(const TContextoTela& contexto);
};

std::span<const TTela> Telas();
// O menu das telas: um diálogo com a lista; Enter (ou o clique duplo) abre a tela
// escolhida e Escape sai. Devolve quando a pessoa sai.
void RodaMenu(const TContextoTela& contexto);

// As telas de hoje.
void AbreConsultas(const TContextoTela& contexto);
void AbreCombosFixos(const TContextoTela& contexto);
void AbreCaixaDeMensagem(const TContextoTela& contexto);
void AbreChave(const TContextoTela& contexto);
void AbreCotacaoWeb(const TContextoTela& contexto);
void AbreProgresso(const TContextoTela& contexto);
void AbreMensagemGrade(const TContextoTela& contexto);
void AbreLiberacaoOrdem(const TContextoTela& contexto);
void AbreRedimensiona(const TContextoTela& contexto);
void AbreOrcadoRealizado(const TContextoTela& contexto);
void AbreMultiCFOP(const TContextoTela& contexto);
void AbreMultiFornecedor(const TContextoTela& contexto);
void AbreHistoricosDesativados(const TContextoTela& contexto);
void AbreDeducoes(const TContextoTela& contexto);
void AbreTitulos(const TContextoTela& contexto);

}  // namespace compras
