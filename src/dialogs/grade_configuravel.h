// As grades dos diálogos do módulo que a pessoa configura (o orçado e realizado, os
// títulos das retenções): colunas que se movem e mudam de largura, ordenação e
// configuração do usuário, guardadas no perfil com o identificador da grade; e as
// colunas descritas por uma tabela (título, largura, alinhamento, tipo, opções).
#pragma once

#include <cstddef>

#include "vrmwnd/platform/CException.h"
#include "vrmwnd/suite/grade/CQZBrowserWnd.h"

namespace vrmwnd::dialogos {

struct TColunaGrade {
  const char* szTitulo;
  int nLargura, nAlinhamento;
  char cTipo;
  int nOpcoes = 256;
};

// Seleção de uma linha pelo clique, sem o número das linhas; antes de OnInitialUpdate.
inline void PreparaGradeConfiguravel(CQZBrowserWnd& grade, const char* szIdentificador, int nColunas) {
  grade.SetIdentificador(szIdentificador);
  grade.SetQtdColunas(nColunas);
  grade.SetTipoSelecao(0);
  grade.SetColunasMoveis(TRUE);
  grade.SetColunasRedimensionaveis(TRUE);
  grade.SetSalvaConfiguracao(TRUE);
  grade.SetPermiteOrdenacao(TRUE);
  grade.SetMostraNumeroLinha(FALSE);
  grade.SetPermiteConfiguracaoUsuario(TRUE);
}

// A coluna nColuna da tabela; fora dela, CInvalidArgException.
template <std::size_t N>
void DescreveColuna(const TColunaGrade (&colunas)[N], int nColuna, TQZColunaBrowse& coluna) {
  if (nColuna < 0 || nColuna >= static_cast<int>(N)) AfxThrowInvalidArgException();
  const TColunaGrade& c = colunas[nColuna];
  coluna.m_strTitulo = c.szTitulo;
  coluna.m_nLargura = c.nLargura;
  coluna.m_nAlinhamento = c.nAlinhamento;
  coluna.m_cTipo = c.cTipo;
  coluna.m_nMargem = 10;
  coluna.m_nOpcoes = c.nOpcoes;
}

}  // namespace vrmwnd::dialogos
