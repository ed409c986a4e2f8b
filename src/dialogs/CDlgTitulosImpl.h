// A janela do diálogo dos títulos das retenções (CDlgTitulosImpl, modelo 1048), criada
// a cada DoModal de CDlgTitulos, e as suas duas grades: os títulos
// (CDlgTitulosGridLancamentos, em vermelho os que faltam dado) e as linhas de
// classificação do título corrente (CDlgTitulosGrid).
#pragma once

#include "vrmwnd/base/CQZEnter.h"
#include "vrmwnd/dialogs/CDlgTitulos.h"
#include "vrmwnd/platform/afxctrl.h"
#include "vrmwnd/suite/edits/CQZDFProfilerDialog.h"
#include "vrmwnd/suite/edits/CQZEditDF.h"
#include "vrmwnd/suite/edits/CQZEditValor.h"
#include "vrmwnd/suite/edits/edits_cadastro.h"
#include "vrmwnd/suite/edits/edits_fiscais.h"
#include "vrmwnd/suite/grade/CQZDFEditProfilerBrowserWnd.h"
#include "vrmwnd/wrappers/C4_CEditsCadastro.h"
#include "vrmwnd/wrappers/C4_CQZEdit.h"

class CDlgTitulosImpl;
class CQZExceptionEx;

// O complemento de um título sem histórico.
constexpr const char* kSemHistoricoTitulo = "*";

// Mostra a falha de uma regra (QZTrataErro2 com os dados da exceção).
void MostraExcecaoTitulos(const CQZExceptionEx& e);

// O que as duas grades têm em comum: o diálogo, o dono e as opções de abertura.
class CDlgTitulosGradeBase : public CQZDFEditProfilerBrowserWnd {
 public:
  CDlgTitulosGradeBase(CDlgTitulosImpl* pDlg, CDlgTitulos* pDono);

 protected:
  // Opções, identificador e colunas, e a abertura do framework.
  void Prepara(const char* szIdentificador, int nColunas);
  // O texto da leitura que falhou é registrado no log e, negativo, mostrado; false.
  bool LeituraOk(HRESULT hr, const char* szClasseFuncao, const char* szFonte, int nLinha, const char* szExpressao);

  CDlgTitulosImpl* m_pDlg;
  CDlgTitulos* m_pBase;
};

class CDlgTitulosGridLancamentos : public CDlgTitulosGradeBase {
 public:
  using CDlgTitulosGradeBase::CDlgTitulosGradeBase;
  void OnInitialUpdate() override;

 protected:
  void OnDescreveColuna(int nColuna, TQZColunaBrowse& coluna) override;
  BOOL OnLoadCellStyle(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, LPCTSTR pszExistente) override;
  // O título da linha passa a ser o corrente do diálogo.
  void OnLinhaSelecionada(long nRegistro) override;

 private:
  CString TextoCelula(const TCMTituloImposto& titulo, ROWCOL nCol);
};

class CDlgTitulosGrid : public CDlgTitulosGradeBase {
 public:
  using CDlgTitulosGradeBase::CDlgTitulosGradeBase;
  void OnInitialUpdate() override;

 protected:
  void OnDescreveColuna(int nColuna, TQZColunaBrowse& coluna) override;
  BOOL OnLoadCellStyle(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, LPCTSTR pszExistente) override;
  // A linha passa a ser a corrente do diálogo.
  void OnLinhaSelecionada(long nRegistro) override;
};

class CDlgTitulosImpl : public CQZDFProfilerDialog {
 public:
  CDlgTitulosImpl(CDlgTitulos* pDono, CWnd* pPai);
  ~CDlgTitulosImpl() override;
  CDlgTitulosImpl(const CDlgTitulosImpl&) = delete;
  CDlgTitulosImpl& operator=(const CDlgTitulosImpl&) = delete;

  int GetTituloAtual() const { return m_nTituloAtual; }
  // Carrega o título i (0 a quantidade - 1) nos campos; fora da lista, nada.
  void CarregaTitulo(int i);
  // Carrega a linha j do título corrente nos campos; fora da lista, nada.
  void CarregaRateio(int j);

 protected:
  BOOL OnInitDialog() override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
  void DoDataExchange(CDataExchange* pDX) override;
  void OnOK() override;
  void OnCancel() override;
  afx_msg void OnAdicionarAlterar();
  afx_msg void OnRemover();
  afx_msg void OnAlterarTitulo();
  afx_msg void OnKillFocusHistorico();
  afx_msg void OnRateioGerencial(NMHDR* pNotificacao, LRESULT* pResultado);
  afx_msg void OnClassificacaoAlterada(NMHDR* pNotificacao, LRESULT* pResultado);

 private:
  void PreparaControles();
  void HabilitaCampos(bool bHabilita);
  void LimpaRateio();
  void LimpaTitulo();
  TCMRateioTitulo MontaRateio();
  TCMTituloImposto MontaTitulo();
  // O texto do histórico (vazio quando a leitura falha, registrada no log).
  CString TextoHistorico(unsigned short iHistorico);
  // O foco e a linha da tabela de tipos da consistência do título.
  void MostraConsistenciaTitulo(const TQZCMConsisteRetorno& retorno);
  bool ConsisteRateio(const TCMRateioTitulo& rateio);
  bool ConsisteTitulo(int i, const TCMTituloImposto& titulo);
  // Seleciona a linha do primeiro título que falta dado (e o carrega); -1 nenhum.
  int SelecionaPrimeiroIncompleto();
  void SelecionaTitulo(int i);
  void Foca(CWnd& controle);
  void Finaliza();
  unsigned short FilialDoTituloAtual() const;

  CDlgTitulos* m_pDono;
  int m_nTituloAtual = -1;
  int m_nRateioAtual = -1;
  TCMRateioTitulo m_Rateio;
  TQZGerencialComposto m_Composto;
  CQZEnter m_Enter;
  CDlgTitulosGridLancamentos* m_pGradeTitulos = nullptr;
  CDlgTitulosGrid* m_pGradeRateio = nullptr;

  CQZEdit m_edCodigoReceita;
  CPedeContaEx m_edCedente;
  CPedeHistEx m_edHistorico;
  CComplementoEx m_edComplemento;
  CCadastroDocumentoEdit m_edTipoDocumento;
  C4_CQZEditRegDma m_edVencimento;
  CQZEditValor m_edValorTotal;
  C4_CFilialEdit m_edFilial;
  C4_CPedeContaExComGerencial m_edClassificacao;
  CQZEditValor m_edValorRateio;
  CButton m_btAdicionar, m_btAlterar, m_btRemover, m_btAlterarTitulo;
  CStatic m_stCedente, m_stTipoDocumento, m_stClassificacao, m_stFilial;
  DECLARE_MESSAGE_MAP()
};
