// Apoio dos testes do diálogo dos títulos das retenções: a empresa de amostra ligada
// ao dono do diálogo, títulos de IRRF completos para estragar, o que a pessoa vê no
// diálogo aberto (foco, título e linha correntes, campos habilitados, grades) e os
// gestos de digitar num campo e escolher uma linha de grade.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ambiente_teste.h"
#include "empresa_teste.h"
#include "instalacao_teste.h"
#include "janelas_teste.h"
#include "titulos_retencao_teste.h"
#include "vrmwnd/base/cy_operacoes.h"
#include "vrmwnd/dialogs/CDlgTitulos.h"
#include "vrmwnd/suite/ganchos_teste.h"
#include "vrmwnd/suite/grade/CQZBrowserWnd.h"
#include "vrmwnd/suite/registros/TCMImposto.h"

using D = CDlgTitulos;



// O que a pessoa vê no diálogo num momento.
struct TTelaTitulos {
  int nFoco = 0;
  long nTitulo = -1;  // o título da célula corrente da grade dos títulos
  long nLinha = -1;   // a linha corrente da grade das linhas
  std::vector<int> habilitados;
  std::vector<std::string> titulos, linhas;
  std::vector<bool> vermelhos;
  std::string strCodigo, strComplemento, strValorRateio;
};

inline std::string TextoDe(HWND hDialogo, int nId) {
  CString s;
  CWnd::FromHandle(GetDlgItem(hDialogo, nId))->GetWindowText(s);
  return s.GetString();
}

inline CQZBrowserWnd* GradeDe(HWND hDialogo, int nId) {
  return dynamic_cast<CQZBrowserWnd*>(CWnd::FromHandle(GetDlgItem(hDialogo, nId)));
}

inline TTelaTitulos LeTela(HWND h) {
  TTelaTitulos t;
  t.nFoco = GetDlgCtrlID(GetFocus());
  CQZBrowserWnd* pTitulos = GradeDe(h, D::IDC_GRADE_TITULOS);
  CQZBrowserWnd* pLinhas = GradeDe(h, D::IDC_GRADE_RATEIO);
  t.nTitulo = pTitulos->GetQZGrid()->GetRegistroAtual();
  t.nLinha = pLinhas->GetQZGrid()->GetRegistroAtual();
  for (int nId : {D::IDC_CODIGO_RECEITA, D::IDC_CEDENTE, D::IDC_HISTORICO, D::IDC_COMPLEMENTO, D::IDC_TIPO_DOCUMENTO,
                  D::IDC_VENCIMENTO, D::IDC_VALOR_TOTAL, D::IDC_FILIAL, D::IDC_CLASSIFICACAO, D::IDC_VALOR_RATEIO,
                  D::IDC_ADICIONAR, D::IDC_ALTERAR, D::IDC_REMOVER, D::IDC_ALTERAR_TITULO, D::IDC_GRADE_RATEIO})
    if (IsWindowEnabled(GetDlgItem(h, nId))) t.habilitados.push_back(nId);
  t.titulos = LinhasDaGrade(pTitulos);
  t.linhas = LinhasDaGrade(pLinhas);
  for (ROWCOL r = 1; r <= pTitulos->GetRowCount(); ++r) {
    CGXStyle estilo;
    pTitulos->ComposeStyleRowCol(r, 1, &estilo);
    t.vermelhos.push_back(estilo.GetIncludeTextColor() && estilo.GetTextColor() == 0x0000FF);
  }
  t.strCodigo = TextoDe(h, D::IDC_CODIGO_RECEITA);
  t.strComplemento = TextoDe(h, D::IDC_COMPLEMENTO);
  t.strValorRateio = TextoDe(h, D::IDC_VALOR_RATEIO);
  return t;
}

// Troca o texto do campo como uma pessoa: clica, seleciona tudo e escreve.
inline CRoteiro& Preenche(CRoteiro& r, int nId, const char* szTexto) {
  return r.Clica(nId).Tecla(VK_HOME, {VK_SHIFT}).Escreve(szTexto);
}

// Escolhe a linha n (1 = primeira) da grade pelo teclado.
inline CRoteiro& EscolheLinha(CRoteiro& r, int nGrade, int n) {
  r.Clica(nGrade).Tecla(VK_HOME);
  for (int i = 1; i < n; ++i) r.Tecla(VK_DOWN);
  return r;
}

class CTitulosTeste : public testing::Test {
 protected:
  void SetUp() override {
    m_titulos.SetProfiler(m_empresa.Nome(), 4, 99);
    ASSERT_EQ(m_titulos.OnInicializa(), S_OK);
    REG_QZDMC chave{};
    chave.SetValor(42);
    m_titulos.SetChaveMovimento(chave);
    m_titulos.SetDataEntrada(QZDMA(25, 8, 2018));
  }
  void TearDown() override {
    m_titulos.OnFinaliza();
    vrmsuite::LimpaFalhasLeitura();
  }
  void Titulos(std::vector<TCMTituloImposto> titulos) {
    T_Lista<TCMTituloImposto> lista;
    for (const TCMTituloImposto& t : titulos) lista.Add(t);
    m_titulos.SetListaTitulo(lista);
  }
  CRoteiro& AoAbrir() { return m_usuario.QuandoAbrir(D::kTitulo); }

  CInstalacaoTeste m_instalacao;
  CEmpresaTeste m_empresa;
  CApresentadorTeste m_caixas;
  CUsuarioRoteirizado m_usuario;
  CDlgTitulos m_titulos{nullptr, nullptr};
};
