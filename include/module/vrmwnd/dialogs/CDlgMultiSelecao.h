// Os diálogos de seleção múltipla que os edits C4_CMultiCFOPEx e C4_CMultiPedeContaEx
// abrem: a pessoa monta uma lista de códigos com um edit de consulta, "Adicionar",
// "Remover" (ou Delete na grade) e uma grade que mostra a lista lida do servidor.
// CDlgMultiCFOP junta naturezas de operação (CFOP); CDlgMultiFornecedor, contas de um
// tipo (fornecedores, clientes, transportadoras, classificações ou gerenciais).
#pragma once

#include "vrmwnd/base/CQZEnter.h"
#include "vrmwnd/base/T_Lista.h"
#include "vrmwnd/platform/afxctrl.h"
#include "vrmwnd/suite/edits/CQZDialog.h"
#include "vrmwnd/suite/edits/edits_cadastro.h"
#include "vrmwnd/suite/grade/CQZBrowserWnd.h"
#include "vrmwnd/suite/servidor/CServidoresCompartilhados.h"
#include "vrmwnd/util/exporta.h"

class CDlgMultiSelecao;

// A grade da lista: só leitura, colunas fixas do diálogo, cada linha lida do servidor
// ao ser mostrada. Delete remove o código da linha selecionada.
class VRMWND_API CDlgMultiGrid : public CQZBrowserWnd {
 public:
  explicit CDlgMultiGrid(CDlgMultiSelecao* pDlg) : m_pDlg(pDlg) {}
  void OnInitialUpdate() override;
  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  void OnDescreveColuna(int nColuna, TQZColunaBrowse& coluna) override;
  BOOL OnLoadCellStyle(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, LPCTSTR pszExistente) override;
  void OnLinhaSelecionada(long nRegistro) override;

  CDlgMultiSelecao* m_pDlg;
};

class VRMWND_API CDlgMultiCFOPGrid : public CDlgMultiGrid {
 public:
  using CDlgMultiGrid::CDlgMultiGrid;
};

class VRMWND_API CDlgMultiFornecedorGrid : public CDlgMultiGrid {
 public:
  using CDlgMultiGrid::CDlgMultiGrid;
};

// O que os dois diálogos têm em comum: a moldura, a navegação por Enter, a grade, o
// índice selecionado e as regras de Adicionar e Remover. Os derivados dão a lista, o
// edit e o que cada linha mostra.
class VRMWND_API CDlgMultiSelecao : public CQZDialog, public CServidoresCompartilhados {
 public:
  // A coluna da grade: título, largura e alinhamento.
  struct TColuna {
    const char* szTitulo;
    int nLargura;
    int nAlinhamento;
  };

  ~CDlgMultiSelecao() override;
  CDlgMultiSelecao(const CDlgMultiSelecao&) = delete;
  CDlgMultiSelecao& operator=(const CDlgMultiSelecao&) = delete;

  // IDOK ou IDCANCEL; o recurso desta biblioteca é o corrente enquanto está aberto.
  INT_PTR DoModal() override;
  // A base e, na falha, a caixa de erro da suíte com a fonte do diálogo.
  HRESULT OnInicializa(const char* szEmpresa = nullptr) override;
  HRESULT OnFinaliza() override;

  // O registro (índice na lista) da linha selecionada, -1 sem seleção.
  int GetSelecionado() const { return m_nSelecionado; }
  virtual int GetQtdCodigos() const = 0;
  virtual unsigned long GetCodigo(int nIndice) const = 0;
  bool ExisteNaLista(unsigned long lCodigo) const;

  // Usadas pela grade.
  virtual int GetQtdColunas() const = 0;
  virtual const TColuna& GetColuna(int nColuna) const = 0;
  // Os textos da linha do registro, lidos do servidor; a falha é mostrada e os textos
  // são os do registro como veio.
  virtual void LeLinha(int nRegistro, CString* pTextos) = 0;
  void SelecionaRegistro(long nRegistro);
  // "Remover": tira o código da linha selecionada; sem seleção não faz nada, e uma
  // seleção fora da lista lança CInvalidArgException.
  void Remove();

 protected:
  CDlgMultiSelecao(UINT nIDTemplate, CWnd* pPai, const char* szFonte, UINT nIdGrade);

  // "Adicionar": código 0 dá a mensagem de vazio, código já listado a de duplicado
  // (e o foco volta ao edit); senão o código entra na lista.
  void Adiciona();
  BOOL OnInitDialog() override;
  void OnOK() override { EndDialog(IDOK); }
  void OnCancel() override { EndDialog(IDCANCEL); }
  BOOL PreTranslateMessage(MSG* pMsg) override;
  afx_msg void OnDestroy();

  // Os ganchos dos derivados.
  virtual CDlgMultiGrid* CriaGrade() = 0;
  virtual CBaseEditExDF& Edit() = 0;
  virtual unsigned long GetPosicaoEdit() = 0;
  virtual void PoeNoEdit(unsigned long lCodigo) = 0;
  // Acrescenta o código do edit (as contas sintéticas acrescentam as subordinadas).
  virtual void Acrescenta(unsigned long lCodigo) = 0;
  // Tira o registro nIndice (as contas sintéticas tiram as subordinadas listadas).
  virtual void Tira(int nIndice) = 0;
  // O CFOP devolve o foco ao edit depois de adicionar e remover.
  virtual bool FocaDepois() const { return false; }
  void AtualizaGrade();
  void MostraMensagem(unsigned long nMensagem);
  // Registra a falha no log de erros e a mostra na caixa de erro da suíte.
  void MostraFalha(HRESULT hr, long lLocal, const char* szExpressao, int nLinha);

  CQZEnter m_enter;
  CDlgMultiGrid* m_pGrade = nullptr;
  int m_nSelecionado = -1;
  unsigned long m_nMensagemDuplicado = 0;
  unsigned long m_nMensagemVazio = 0;

 private:
  friend class CDlgMultiGrid;
  // Os textos da linha lida por último (a grade pede célula por célula); a lista
  // mudada os esquece.
  const CString& TextoDaCelula(int nRegistro, int nColuna);
  int m_nRegistroLido = -1;
  CString m_strTextosLidos[3];
  const char* m_szFonte;
  UINT m_nIdGrade;
  DECLARE_MESSAGE_MAP()
};

class VRMWND_API CDlgMultiCFOP : public CDlgMultiSelecao {
 public:
  enum {
    IDD = 13024,
    IDC_EDIT_NATUREZA = 1108,
    IDC_GRADE = 1110,
    IDC_DESCRICAO = 1112,
    IDC_ADICIONAR = 1113,
    IDC_REMOVER = 1114
  };
  explicit CDlgMultiCFOP(CWnd* pPai = nullptr);

  // A filial das naturezas que o edit aceita (as de todas as filiais também).
  void SetFilial(unsigned short iFilial) { m_iFilial = iFilial; }
  // A máscara com que a grade mostra o código ("9.999" sem chamada).
  void SetMascara(const CString& strMascara) { m_strMascara = strMascara; }

  int GetQtdCodigos() const override { return static_cast<int>(m_Codigos.GetSize()); }
  unsigned long GetCodigo(int nIndice) const override { return m_Codigos[nIndice]; }
  int GetQtdColunas() const override { return 3; }
  const TColuna& GetColuna(int nColuna) const override;
  void LeLinha(int nRegistro, CString* pTextos) override;

  // As posições das naturezas, na ordem em que entraram; o chamador a preenche antes
  // e a lê depois do OK.
  T_Lista<unsigned short> m_Codigos;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;
  CDlgMultiGrid* CriaGrade() override { return new CDlgMultiCFOPGrid(this); }
  CBaseEditExDF& Edit() override { return m_edNatureza; }
  unsigned long GetPosicaoEdit() override;
  void PoeNoEdit(unsigned long lCodigo) override;
  void Acrescenta(unsigned long lCodigo) override { m_Codigos.Add(static_cast<unsigned short>(lCodigo)); }
  void Tira(int nIndice) override { m_Codigos.RemoveAt(nIndice); }
  bool FocaDepois() const override { return true; }
  afx_msg void OnAdicionar() { Adiciona(); }
  afx_msg void OnRemover() { Remove(); }

  CButton m_btAdicionar;
  CNaturezaEdit m_edNatureza;

 private:
  unsigned short m_iFilial = 0;
  CString m_strMascara = "9.999";
  DECLARE_MESSAGE_MAP()
};

class VRMWND_API CDlgMultiFornecedor : public CDlgMultiSelecao {
 public:
  enum {
    IDD = 13017,
    IDC_ROTULO = 1010,
    IDC_GRUPO = 1011,
    IDC_GRADE = 1590,
    IDC_ADICIONAR = 1591,
    IDC_REMOVER = 1592,
    IDC_EDIT_CONTA = 1594,
    IDC_DESCRICAO = 1595
  };
  explicit CDlgMultiFornecedor(CWnd* pPai = nullptr);

  // 'C' o plano de contas; outra letra, o gerencial.
  void SetTipoConta(char cTipo) { m_cTipoConta = cTipo; }
  // 12 clientes e fornecedores, 8 fornecedores, 4 clientes, 16 transportadoras,
  // outra, classificações (no plano de contas).
  void SetCaracteristica(int nCaracteristica) { m_nCaracteristica = nCaracteristica; }
  // As letras de tipo de conta que o edit aceita ("A", "AT", …; vazio: todas).
  void SetTextoTipoConta(const CString& strTipos) { m_strTextoTipoConta = strTipos; }
  bool EhGerencial() const { return m_cTipoConta != 'C'; }
  // O título da janela para o tipo e a característica ("Relação de Fornecedores", …).
  static const char* GetTitulo(char cTipoConta, int nCaracteristica);

  int GetQtdCodigos() const override { return static_cast<int>(m_Codigos.GetSize()); }
  unsigned long GetCodigo(int nIndice) const override { return m_Codigos[nIndice]; }
  int GetQtdColunas() const override { return 2; }
  const TColuna& GetColuna(int nColuna) const override;
  void LeLinha(int nRegistro, CString* pTextos) override;

  // As posições das contas, na ordem em que entraram.
  T_Lista<unsigned long> m_Codigos;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;
  CDlgMultiGrid* CriaGrade() override { return new CDlgMultiFornecedorGrid(this); }
  CBaseEditExDF& Edit() override { return m_edConta; }
  unsigned long GetPosicaoEdit() override;
  void PoeNoEdit(unsigned long lCodigo) override;
  void Acrescenta(unsigned long lCodigo) override;
  void Tira(int nIndice) override;
  afx_msg void OnAdicionar() { Adiciona(); }
  afx_msg void OnRemover() { Remove(); }

  CPedeContaEx m_edConta;

 private:
  char m_cTipoConta = 'C';
  int m_nCaracteristica = 8;
  CString m_strTextoTipoConta;
  DECLARE_MESSAGE_MAP()
};
