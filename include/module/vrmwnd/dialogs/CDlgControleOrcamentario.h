// CDlgControleOrcamentario, "Consulta de Valores Orçados e Realizados": para uma
// filial, uma classificação (e a conta gerencial, quando a classificação tem rateio
// gerencial) e um período, o orçado e o que as ordens de compra liberadas já
// comprometeram, mês a mês ou pelo período do orçamento, com totais e "%". O último
// filtro volta na abertura seguinte, por empresa. CMOrcadoRealizadoDlg o abre.
#pragma once

#include "vrmwnd/base/T_Lista.h"
#include "vrmwnd/base/QZProfiler.h"
#include "vrmwnd/base/datas.h"
#include "vrmwnd/base/CQZEnter.h"
#include "vrmwnd/platform/afxcmdui.h"
#include "vrmwnd/dialogs/CCMResizeDialog.h"
#include "vrmwnd/suite/grade/CQZBrowserWnd.h"
#include "vrmwnd/suite/regras/CControleOrcamentario.h"
#include "vrmwnd/suite/regras/CTrataDadosGerencial.h"
#include "vrmwnd/suite/servidor/CServidoresCompartilhados.h"
#include "vrmwnd/util/exporta.h"
#include "vrmwnd/wrappers/C4_Base.h"
#include "vrmwnd/wrappers/C4_CButton.h"
#include "vrmwnd/wrappers/C4_CEditsCadastro.h"
#include "vrmwnd/wrappers/C4_CQZEdit.h"

// Uma linha da grade: uma conta do orçamento num período.
struct REG_DADOS_GRID {
  REG_QZDMA dmaInicial = 0;
  REG_QZDMA dmaFinal = 0;
  CY cyOrcado{};
  CY cyRealizado{};
  bool bOrcamentoExiste = false;
};

class CDlgControleOrcamentario;

// A grade das linhas: cinco colunas (datas, "Orçado" e "Realizado" somados nos
// totais, "%"), ordenável, configurável pelo usuário e salva no perfil.
class VRMWND_API CDlgControleOrcamentarioGrid : public CQZBrowserWnd {
 public:
  explicit CDlgControleOrcamentarioGrid(CDlgControleOrcamentario* pDlg) : m_pDlg(pDlg) {}
  void OnInitialUpdate() override;
  // O texto da célula de dados do registro e da coluna (0 a 4).
  CString TextoCelula(long nRegistro, int nColuna) const;

 protected:
  void OnDescreveColuna(int nColuna, TQZColunaBrowse& coluna) override;
  BOOL OnLoadCellStyle(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, LPCTSTR pszExistente) override;
  // O popup "Totalizar" do menu 1001 com o submenu "Configurar Lista..." (uma
  // coluna por item, marcada quando visível, e "Exibir Tudo"); os comandos vão ao
  // diálogo.
  afx_msg void OnContextMenu(CWnd* pWnd, CPoint ponto);

 private:
  CDlgControleOrcamentario* m_pDlg;
  DECLARE_MESSAGE_MAP()
};

class VRMWND_API CDlgControleOrcamentario : public CCMResizeDialog,
                                            public CServidoresCompartilhados,
                                            public CCanSendChangeEvents {
 public:
  enum {
    IDD = 159,
    IDC_CLASSIFICACAO = 1304,
    IDC_DATA_INICIAL = 1306,
    IDC_FILIAL = 1307,
    IDC_DATA_FINAL = 1308,
    IDC_DESC_CLASSIFICACAO = 1321,
    IDC_GRADE = 1322,
    IDC_GERENCIAL = 1333,
    IDC_DESC_GERENCIAL = 1334,
    IDC_ORCAMENTARIO = 1335,
    IDC_MENSAL = 1336,
    IDC_IMPRIMIR = 13026,
    IDC_CONSULTAR = 13027,
    IDC_DESC_FILIAL = 13036,
    IDC_LIMPAR = 13037,
    ID_TOTALIZAR = 39999,
    ID_CONFIGURAR_LISTA = 55101,  // + índice da coluna; + 5 é "Exibir Tudo"
    IDI_ORCADO_REALIZADO = 13028,
    IDR_MENU_GRADE = 1001
  };
  static constexpr int kMaximoMeses = 36;

  explicit CDlgControleOrcamentario(CWnd* pai = nullptr);
  ~CDlgControleOrcamentario() override;

  // O movimento que a tela selecionou: com SetMovimentoSelecionado(true), a abertura
  // usa estes valores em vez do filtro guardado.
  void SetFilial(unsigned short iFilial) { m_iFilial = iFilial; }
  void SetDataEmissao(REG_QZMA maEmissao) { m_maEmissao = maEmissao; }
  void SetPonteiroClassificacao(long lClassificacao) { m_lClassificacao = lClassificacao; }
  void SetPonteiroGerencial(long lGerencial) { m_lGerencial = lGerencial; }
  void SetMovimentoSelecionado(bool b) { m_bMovimentoSelecionado = b; }

  // Liga os servidores, o controle do orçamento e a biblioteca gerencial à empresa do
  // processo; a falha é registrada no log de erros e devolvida.
  HRESULT OnInicializa(const char* szEmpresa = nullptr) override;
  HRESULT OnFinaliza() override;
  INT_PTR DoModal() override;

  // As linhas da última consulta e a grade (nula antes da abertura).
  const T_Lista<REG_DADOS_GRID>& GetLinhas() const { return m_Linhas; }
  CDlgControleOrcamentarioGrid* GetGrade() { return m_pGrade; }
  bool GetTotalizar() const { return m_bTotalizar; }
  // O texto impresso pela última impressão ("Imprimir").
  const CString& GetTextoImpresso() const { return m_strImpresso; }
  // A seção do perfil com o filtro desta empresa.
  static CString SecaoPerfil(const CString& strEmpresa);

 protected:
  BOOL OnInitDialog() override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  void DoDataExchange(CDataExchange* pDX) override;
  afx_msg void OnChangeFilial();
  afx_msg void OnKillFocusDataInicial();
  afx_msg void OnKillFocusDataFinal();
  afx_msg void OnChangeClassificacao();
  afx_msg void OnClickRadio();
  afx_msg void OnClickRadioMensal();
  afx_msg void OnImprimir();
  afx_msg void OnBnClickedCmh4Consultar();
  afx_msg void OnBnClickedCmh4Limpar();
  afx_msg void OnTotalizar();
  afx_msg void OnConfigurarListaOrcamento(UINT nID);
  afx_msg void OnUpdateConfigurarListaOrcamento(CCmdUI* pCmdUI);
  afx_msg void OnDestroy();

 private:
  const char* OnGetChaveRegistro() override { return "CDlgControleOrcamentario"; }
  void PreparaControles();
  void RestauraFiltro();
  bool Bloqueia() const;
  void PeriodoOrcamento(REG_QZMA ma, REG_QZDMA& dmaInicial, REG_QZDMA& dmaFinal) const;
  void Atualiza();
  bool ConfereFiltro();
  void Avisa(unsigned long nMensagem, CWnd& foco);
  void MostraLinhas();
  unsigned short Filial();
  static REG_QZMA Mes(const C4_CQZEditRegDma& edit);
  void PoeDatas(REG_QZDMA dmaInicial, REG_QZDMA dmaFinal);
  void AplicaRadio(bool bOrcamentario);

  C4_CPedeContaEx m_ClasEmpresarial;
  C4_CPedeContaExComGerencial m_Gerencial;
  C4_CQZEditRegDma m_DataInicial, m_DataFinal;
  C4_CFilialEdit m_Filial;
  C4_CButton m_rbOrcamentario, m_rbMensal, m_btImprimir;
  CStatic m_stClassificacao, m_stGerencial, m_stFilial;
  bool m_bTotalizar = false;
  unsigned short m_iFilial = 0;
  REG_QZMA m_maEmissao = 0;
  long m_lClassificacao = 0, m_lGerencial = 0;
  bool m_bMovimentoSelecionado = false;
  CControleOrcamentario m_ControleOrcamentario{nullptr};
  CTrataDadosGerencial m_TrataDadosGerencial{nullptr};
  CQZDadosCM_Mestre m_Mestre;
  CQZProfilerEmpresa m_Contexto;
  CQZEnter m_Enter;
  T_Lista<REG_DADOS_GRID> m_Linhas;
  CDlgControleOrcamentarioGrid* m_pGrade = nullptr;
  CString m_strImpresso;
  DECLARE_MESSAGE_MAP()
};

// Abre o diálogo sem pai para a empresa, o usuário e a sessão, com o recurso desta
// biblioteca, e devolve o resultado modal.
VRMWND_API_C unsigned int CMOrcadoRealizadoDlg(const char* empresa, unsigned short usuario, long sessao);
