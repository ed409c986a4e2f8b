// CDlgMsgCm, a pergunta Sim/Não do módulo que traz uma tabela: ícone, mensagem, uma
// grade só de leitura com colunas de texto, a pergunta, uma caixa de marcar opcional e
// os botões "Sim" e "Não". O chamador preenche título, textos e colunas, roda o
// diálogo e lê a resposta (IDYES/IDNO) e a caixa. Ctrl+Shift+F2 (as teclas da
// esquerda) copia a tabela para a área de transferência.
#pragma once

#include "vrmwnd/base/T_Lista.h"
#include "vrmwnd/platform/afxctrl.h"
#include "vrmwnd/platform/afxdlg.h"
#include "vrmwnd/suite/edits/CQZButtonDF.h"
#include "vrmwnd/suite/grade/CQZBrowserWnd.h"
#include "vrmwnd/suite/servidor/CServidoresCompartilhados.h"
#include "vrmwnd/util/exporta.h"

class CDlgMsgCm;

// A grade do diálogo: só leitura, colunas fixas, sem ordenação nem configuração do
// usuário; cada célula vem do texto da coluna de mesmo título.
class VRMWND_API CDlgMsgCmGrid : public CQZBrowserWnd {
 public:
  explicit CDlgMsgCmGrid(CDlgMsgCm* pDlg) : m_pDlg(pDlg) {}
  void OnInitialUpdate() override;

 protected:
  // Índice fora das colunas do diálogo: CInvalidArgException.
  void OnDescreveColuna(int nColuna, TQZColunaBrowse& coluna) override;
  BOOL OnLoadCellStyle(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, LPCTSTR pszExistente) override;

 private:
  CDlgMsgCm* m_pDlg;
};

class VRMWND_API CDlgMsgCm : public CDialog, public CServidoresCompartilhados {
 public:
  enum {
    IDD = 1013,
    IDC_MENSAGEM = 13029,
    IDC_PERGUNTA = 13031,
    IDC_GRADE = 13032,
    IDC_ICONE = 13033,
    IDC_CHECK1 = 1046
  };

  // Uma coluna: o título (também a chave com que a grade a acha), o tipo entregue à
  // grade, a largura em pixels, o alinhamento (0 esquerda, 2 direita) e um texto por
  // linha, na ordem das linhas.
  class VRMWND_API CInformacaoColuna {
   public:
    CString m_strTitulo;
    char m_cTipo = 3;
    int m_nLargura = 0;
    int m_nAlinhamento = 0;
    T_Lista<CString> m_Linhas;
  };

  explicit CDlgMsgCm(CWnd* pPai = nullptr);
  ~CDlgMsgCm() override;
  CDlgMsgCm(const CDlgMsgCm&) = delete;
  CDlgMsgCm& operator=(const CDlgMsgCm&) = delete;

  void SetTitulo(CString strTitulo) { m_strTitulo = strTitulo; }
  void SetMensagem(CString strMensagem) { m_strMensagem = strMensagem; }
  void SetPergunta(CString strPergunta) { m_strPergunta = strPergunta; }
  // Com o texto vazio a caixa de marcar fica escondida.
  void SetTextCheck1(CString strTexto) { m_strTextoCheck1 = strTexto; }
  // O ícone do sistema (MAKEINTRESOURCE de IDI_*); IDI_INFORMATION sem chamada.
  void SetIcon(const char* pszIcone) { m_pszIcone = pszIcone; }
  // Se a caixa de marcar pode ser usada (ela aparece desabilitada sem isso).
  void SetEnableCheck1(int bHabilita) { m_bHabilitaCheck1 = bHabilita; }
  // 1 quando o usuário fechou com "Sim" e a caixa estava marcada; senão 0.
  int GetCheck1() const { return m_nCheck1; }
  int GetQtdColuna() const { return static_cast<int>(m_Colunas.GetSize()); }
  // Os textos da primeira coluna; sem colunas lança CInvalidArgException.
  int GetQtdLinhas() const;
  // Esvazia título, mensagem e pergunta e tira todas as colunas; o texto da caixa de
  // marcar fica.
  void LimpaDados();

  // IDYES ou IDNO; o recurso desta biblioteca é o corrente enquanto está aberto. Sem
  // colunas a abertura lança CInvalidArgException (o diálogo não fica aberto).
  INT_PTR DoModal() override;

  // As colunas, que o chamador preenche diretamente: cresce a lista de um e copia
  // a coluna preenchida no novo último elemento, e acrescenta às linhas dela.
  T_Lista<CInformacaoColuna> m_Colunas;

 protected:
  BOOL OnInitDialog() override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
  void DoDataExchange(CDataExchange* pDX) override;
  afx_msg void OnBnClickedYes();
  afx_msg void OnBnClickedNo();
  // Ajusta a grade às colunas e às linhas (no máximo 16 alturas de linha, sem passar
  // da largura da área de trabalho) e leva a pergunta, os botões, a caixa e o
  // tamanho do diálogo atrás dela.
  void RedimensionaTela();
  // Toda a grade, cabeçalhos incluídos, em texto: cada célula seguida de "\t", cada
  // linha terminada por "\r\n", em CF_TEXT. Sem abrir a área de transferência não
  // copia nada.
  void CopiaParaAreaTransferencia();

  CStatic m_stIcone;
  CQZButtonDF m_btCheck1;

 private:
  CString m_strTitulo, m_strMensagem, m_strPergunta, m_strTextoCheck1;
  const char* m_pszIcone;
  int m_bHabilitaCheck1 = 0;
  int m_nCheck1 = 0;
  CDlgMsgCmGrid* m_pGrade = nullptr;
  DECLARE_MESSAGE_MAP()
};
