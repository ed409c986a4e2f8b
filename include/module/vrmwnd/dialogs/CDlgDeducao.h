// CDlgDeducao, as deduções da base de cálculo de um imposto retido: o chamador dá o
// tipo do imposto, a base e a lista atual, roda o diálogo e lê a lista editada. O
// diálogo guarda três regras: uma dedução de cada tipo, toda dedução descrita ou com
// tipo, e as deduções juntas abaixo da base. Um valor negativo na lista é um
// percentual da base guardado com o sinal trocado (10 % é -10).
#pragma once

#include "vrmwnd/base/CQZEnter.h"
#include "vrmwnd/base/T_Lista.h"
#include "vrmwnd/suite/edits/CQZDialog.h"
#include "vrmwnd/suite/grade/CQZBrowserWnd.h"
#include "vrmwnd/suite/registros/TCMImposto.h"
#include "vrmwnd/util/exporta.h"
#include "vrmwnd/wrappers/C4_CButton.h"
#include "vrmwnd/wrappers/C4_CComboBox.h"
#include "vrmwnd/wrappers/C4_CQZEdit.h"

class CDlgDeducao;

// A grade das deduções: "Tipo", "Descrição" e o valor efetivo (um percentual vira o
// valor sobre a base da grade), uma linha por dedução do diálogo.
class VRMWND_API CDlgDeducaoGrid : public CQZBrowserWnd {
 public:
  explicit CDlgDeducaoGrid(CDlgDeducao* pDlg) : m_pDlg(pDlg) { m_cyBCImposto.int64 = 0; }
  void SetBCImposto(CY cyBase) { m_cyBCImposto = cyBase; }
  void OnInitialUpdate() override;

 protected:
  void OnDescreveColuna(int nColuna, TQZColunaBrowse& coluna) override;
  BOOL OnLoadCellStyle(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, LPCTSTR pszExistente) override;
  // A dedução da linha passa a ser a corrente do diálogo, e a linha fica selecionada.
  void OnLinhaSelecionada(long nRegistro) override;

 private:
  CDlgDeducao* m_pDlg;
  CY m_cyBCImposto;
};

class VRMWND_API CDlgDeducao : public CQZDialog {
 public:
  enum {
    IDD = 1047,
    IDC_GRADE = 13040,
    IDC_VALOR = 13041,
    IDC_DESCRICAO = 13042,
    IDC_ADICIONAR = 13043,
    IDC_ALTERAR = 13044,
    IDC_REMOVER = 13045,
    IDC_ROTULO_VALOR = 13046,
    IDC_TIPO = 13047
  };
  enum { DEDUCAO_NENHUMA = 0, DEDUCAO_MATERIAL = 1, DEDUCAO_ALIMENTACAO = 2, DEDUCAO_TRANSPORTE = 3 };

  explicit CDlgDeducao(CWnd* pPai = nullptr);
  ~CDlgDeducao() override;
  CDlgDeducao(const CDlgDeducao&) = delete;
  CDlgDeducao& operator=(const CDlgDeducao&) = delete;

  void SetBCImposto(CY cyBase) { m_cyBCImposto = cyBase; }
  void SetDeducao(T_Lista<TCMImpostoDeducao> lista) { m_Deducoes = lista; }
  // Diferente de zero: Enter anda como Tab.
  void SetTestaEnter(int nTestaEnter) { m_nTestaEnter = nTestaEnter; }
  // A lista editada; o chamador só fica com ela depois de IDOK.
  T_Lista<TCMImpostoDeducao> GetDeducao() const { return m_Deducoes; }

  // IDOK ou IDCANCEL. O tipo do imposto (1 IRRF, 5 ISS, 6 INSS, ...) dá o título, o
  // rótulo do valor e a grade; só o INSS deixa escolher o tipo da dedução.
  int DoModal(unsigned char nTipoImposto);
  // O mesmo com o tipo já dado (1 sem chamada).
  INT_PTR DoModal() override;
  unsigned char GetTipoImposto() const { return m_nTipoImposto; }

  // O título da janela para o tipo de imposto.
  static CString GetTitulo(unsigned char nTipoImposto);
  // O texto de um tipo de dedução (vazio para 0 e para tipos desconhecidos).
  static CString GetTextoTipo(unsigned char nTipo);
  // O valor que a dedução tira da base: o próprio valor, ou para um percentual
  // (valor negativo) -valor / 100 * base, cada conta arredondada à moeda.
  static CY GetValorEfetivo(const CY& cyValor, const CY& cyBase);

  int GetQuantidadeDeducao() const { return static_cast<int>(m_Deducoes.GetSize()); }
  // Índice fora da lista: CInvalidArgException.
  const TCMImpostoDeducao& GetDeducaoAt(int i) const { return m_Deducoes.GetAt(i); }
  // A linha j (0 a quantidade - 1) passa a ser a corrente e é mostrada nos campos;
  // fora da lista não faz nada e devolve false.
  bool SelecionaDeducao(long j);

 protected:
  BOOL OnInitDialog() override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
  void DoDataExchange(CDataExchange* pDX) override;
  virtual void LimpaCampos();
  afx_msg void OnAdicionar();
  afx_msg void OnAlterar();
  afx_msg void OnRemover();

  C4_CButton m_btAdicionar, m_btAlterar, m_btRemover;
  C4_CQZEdit m_edDescricao;
  C4_CQZEditValor m_edValor;
  C4_CComboBox m_cbTipo;
  CQZEnter m_enter;

 private:
  void InicializaControles();
  TCMImpostoDeducao GetDados() const;
  void SetDados(const TCMImpostoDeducao& deducao);
  // A soma das deduções efetivas da lista (menos a de índice indiceIgnorado; -1 não
  // pula nenhuma) mais a de valor fica abaixo da base?
  bool ChecaDeducoes(CY cyValor, int nIndiceIgnorado) const;
  // Outra dedução da lista (não a de índice nIndiceIgnorado) já tem o tipo?
  bool TipoRepetido(unsigned char nTipo, int nIndiceIgnorado) const;
  void RecusaNoCampo(CWnd& campo);
  void Foca(CWnd& campo);

  CY m_cyBCImposto;
  T_Lista<TCMImpostoDeducao> m_Deducoes;
  unsigned char m_nTipoImposto = 1;
  int m_nTestaEnter = 0;
  int m_nDeducaoAtual = -1;
  CDlgDeducaoGrid* m_pGrade = nullptr;
  DECLARE_MESSAGE_MAP()
};
