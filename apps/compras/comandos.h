// Os comandos do compras: cada um recebe os argumentos depois do seu nome e devolve
// o código de saída (0 sucesso, 1 falha da operação, 2 uso errado).
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "vrmwnd/platform/msgbox.h"
#include "vrmwnd/platform/scripted_user.h"
#include "vrmwnd/suite/registros/TCMImposto.h"
#include "vrmwnd/suite/servidor/IQZCM_AutorizacaoCompra.h"
#include "vrmwnd/util/preparacao.h"

class CDlgMsgCm;
class CDlgTitulos;
class TCMRERegistroEntrada;

namespace compras {

struct TComando {
  const char* szNome;
  const char* szUso;     // "origem CHAVE|TEXTO"
  const char* szResumo;  // uma linha
  int (*pExecuta)(int argc, char** argv);
};

// Mensagem de uso errado em stderr, com o uso do comando; devolve 2.
int UsoErrado(const TComando& comando, const char* szMotivo);
const TComando& Comando(const char* szNome);

int ComandoOrigem(int argc, char** argv);
int ComandoData(int argc, char** argv);
int ComandoValor(int argc, char** argv);
int ComandoInstalar(int argc, char** argv);
int ComandoLog(int argc, char** argv);
int ComandoEmpresa(int argc, char** argv);
int ComandoNota(int argc, char** argv);
int ComandoAlerta(int argc, char** argv);
// nota importar POS [POS...] [--json] [--empresa NOME]; argv[0] é "importar".
int ComandoNotaImportar(int argc, char** argv);
int ComandoConsulta(int argc, char** argv);
// compras tela [--empresa NOME]: as telas do módulo no terminal.
int ComandoTela(int argc, char** argv);

// O servidor de autorizações de compra aberto na empresa (o chamador o libera com
// Release), ou nulo com o resultado da falha em hr.
IQZCM_AutorizacaoCompra* AbreServidorDeAutorizacoes(const char* szEmpresa, HRESULT& hr);
int ComandoChave(int argc, char** argv);
int ComandoCotacaoWeb(int argc, char** argv);
int ComandoProgresso(int argc, char** argv);
// compras redimensiona [--arrasta LxA] [--maximiza] [--esquece]
int ComandoRedimensiona(int argc, char** argv);
// Os diálogos do módulo, abertos com o agente instalado (na tela, a pessoa): cada um
// imprime o que o diálogo devolveu e dá 0, ou 1 quando não houve resultado.
int DialogoChave(int nForma, int nMovimento);
int DialogoCotacaoWeb(const char* szEmpresa);
// Inclui uma cotação pelas regras da cotação, que perguntam à pessoa se ela vai pela
// web; strTexto diz o que ficou decidido, ou o motivo da falha (false).
bool IncluiCotacaoWeb(const char* szEmpresa, unsigned short nUsuario, LONG lSessao, CString& strTexto);
int DialogoProgresso(int nPassos, int nPasso);
// deducoes --base VALOR [--imposto N] [--adiciona TIPO|DESCRIÇÃO|VALOR]... [--remove N]... [--cancela]
int ComandoDeducoes(int argc, char** argv);
// As deduções em texto: a base, uma linha por dedução (tipo, descrição, valor como
// digitado e o valor que tira da base) e o total deduzido.
CString DescreveDeducoes(const T_Lista<TCMImpostoDeducao>& deducoes, const CY& cyBase);
// titulos --nota POS [--nota POS]... [--titulo N [--receita COD] [--cedente CONTA] [--historico N]
// [--tipo-documento COD] [--vencimento DD/MM/AAAA] [--linha FILIAL:CLASSIFICACAO:VALOR[:gerencial]]...]...
// [--cancela]
int ComandoTitulos(int argc, char** argv);
// O registro de entrada das notas e os seus títulos das retenções no diálogo (a
// empresa ligada, a chave, a data de entrada e o número da nota); false com o motivo.
bool PreparaTitulos(const char* szEmpresa, const T_Lista<long>& notas, CDlgTitulos& dlg, TCMRERegistroEntrada& registro,
                    CString& strErro);
// Os títulos com as suas linhas (e contas gerenciais), e o total contra o retido.
CString DescreveTitulos(CDlgTitulos& dlg, const TCMRERegistroEntrada& registro);
// mensagem-grade --linhas N [--colunas 3|4] [--copia] [--responde sim|nao]
int ComandoMensagemGrade(int argc, char** argv);
// ordem liberar NUMERO --responde sim|nao [--empresa NOME]
int ComandoOrdem(int argc, char** argv);
int ComandoOrcadoRealizado(int argc, char** argv);
// A liberação da ordem lNumero pelas regras da ordem de compra, com o agente instalado
// respondendo: em strTexto as linhas acima do orçamento, o resultado da pergunta e se
// a ordem ficou liberada; false (com o motivo em strTexto) quando a empresa não abriu
// ou uma leitura falhou. A tela e o comando dão a mesma liberação.
bool LiberaOrdemCompra(const char* szEmpresa, unsigned short nUsuario, LONG lSessao, unsigned long lNumero,
                       CString& strTexto);
// O mesmo texto na saída (0), ou o motivo em stderr (1).
int DialogoLiberaOrdem(const char* szEmpresa, unsigned long lNumero);
// A tabela de demonstração da mensagem com grade: "Linha", "Descrição" (na largura
// dada) e "Valor" (à direita), com nLinhas linhas.
void PreencheTabelaDeDemonstracao(CDlgMsgCm& dlg, int nLinhas, int nLarguraDescricao);

// Enquanto vive, as caixas de mensagem vão para a saída, uma linha cada
// ("Mensagem (título): texto"), e são respondidas com OK.
class CCaixasNaSaida : public IMessageBoxPresenter {
 public:
  CCaixasNaSaida() : m_pAnterior(SetMessageBoxPresenter(this)) {}
  ~CCaixasNaSaida() override { SetMessageBoxPresenter(m_pAnterior); }
  CCaixasNaSaida(const CCaixasNaSaida&) = delete;
  CCaixasNaSaida& operator=(const CCaixasNaSaida&) = delete;
  int Present(HWND, const char* szTexto, const char* szTitulo, UINT) override {
    std::printf("Mensagem (%s): %s\n", szTitulo, szTexto);
    ++m_nCaixas;
    return IDOK;
  }
  int Caixas() const { return m_nCaixas; }

 private:
  IMessageBoxPresenter* m_pAnterior;
  int m_nCaixas = 0;
};

// A pessoa da linha de comando: o usuário roteirizado da plataforma, calado; o que
// o diálogo devolveu (ou não) é o que o comando mostra.
class CPessoaDaLinha : public ScriptedUser {
 public:
  CPessoaDaLinha() : ScriptedUser([](const std::string&) {}) {}
};
// "sim" ou "nao" (ou "não") em nResposta, como IDYES ou IDNO; false para outro texto.
bool LeResposta(const char* sz, int& nResposta);
// O texto é um inteiro de nMinimo a nMaximo, posto em n.
bool LeInteiro(const char* sz, long nMinimo, long nMaximo, long& n);

// A empresa que os comandos usam quando não se diz outra.
inline constexpr const char* kEmpresaPadrao = kVRMEmpresaAmostra;
// Cria a instalação de exemplo sob a pasta da plataforma quando o registro ainda não
// tem "Path" (ou sempre, com bForcar) e devolve a pasta; vazio (com a mensagem em
// stderr) quando falhou.
std::string GaranteInstalacao(bool bForcar);
// O que um comando que lê da empresa precisa, pela chamada de preparação da
// biblioteca: a instalação e, no primeiro uso, a empresa padrão. Uma empresa com outro
// nome não é criada (um nome errado seria uma empresa nova e vazia): quem a abrir diz
// que ela não existe. false (com a mensagem em stderr) na falha.
bool PreparaAmbiente(const char* szEmpresa);

// Uma relação de seleção múltipla pedida pela tela ou pelo comando: a empresa, a lista
// de partida (posições) e os filtros de cada relação.
struct TPedidoMulti {
  const char* szEmpresa = kEmpresaPadrao;
  unsigned short nUsuario = 1;
  long lSessao = 1;
  CWnd* pPai = nullptr;
  std::vector<unsigned long> lista;
  int nFilial = 1;
  char cTipoConta = 'C';
  int nCaracteristica = 8;
  const char* szTipos = "";
  bool bCancela = false;
};
// Rodam a relação com o agente instalado: strTexto é a lista devolvida (um código por
// linha, como a grade o mostra) ou "Cancelado…"; devolvem a resposta do diálogo, ou
// -1 (com o motivo em strTexto) quando a empresa não abriu.
INT_PTR RodaMultiCFOP(const TPedidoMulti& pedido, CString& strTexto);
INT_PTR RodaMultiFornecedor(const TPedidoMulti& pedido, CString& strTexto);
// multi-cfop [--filial N] [--lista P,P] [--adiciona CFOP]... [--remove LINHA]... [--cancela]
int ComandoMultiCFOP(int argc, char** argv);
// multi-fornecedor [--tipo C|G] [--caracteristica N] [--tipos LETRAS] e os mesmos passos
int ComandoMultiFornecedor(int argc, char** argv);
// O diálogo dos históricos desativados do número com o agente instalado; strTexto é a
// lista que ficou guardada (ou o motivo de não ter sido lida: -1).
INT_PTR RodaHistoricosDesativados(const char* szEmpresa, unsigned short nNumero, CWnd* pPai, CString& strTexto);
// historicos-desativados [--numero N] [--adiciona HIST]... [--remove LINHA]... [--cancela]
int ComandoHistoricosDesativados(int argc, char** argv);

}  // namespace compras
