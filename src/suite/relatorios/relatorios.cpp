// O configurador de relatórios: um diálogo "Modelador de Relatórios" com o título e
// o código do relatório pedido e um botão por saída; o botão escolhido é a resposta.
#include "vrmwnd/suite/relatorios/relatorios.h"

#include <string>

#include "vrmwnd/suite/edits/CQZDialog.h"

namespace {

constexpr const char* kSaidas[] = {"Vídeo", "Impressora", "Arquivo", "Planilha", "E-mail"};
constexpr int kBaseBotoes = QZ_IDC_SAIDA_RELATORIO;

class CDlgConfiguradorRelatorio : public CQZDialog {
 public:
  explicit CDlgConfiguradorRelatorio(const std::string& strDescricao) : m_strDescricao(strDescricao) {
    m_modelo =
        DLGTEMPLATEDESC{"Modelador de Relatórios",
                        0,
                        0,
                        250,
                        80,
                        WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
                        {{QZ_IDC_DESCRICAO_RELATORIO, "STATIC", m_strDescricao.c_str(), 7, 7, 236, 20, WS_VISIBLE}}};
    short x = 7;
    for (int n = QZ_SAIDA_RELATORIO_PRIMEIRA; n <= QZ_SAIDA_RELATORIO_ULTIMA; ++n, x += 47)
      m_modelo.items.push_back({static_cast<UINT>(kBaseBotoes + n), "BUTTON", QZNomeSaidaRelatorio(n), x, 35, 44, 14,
                                WS_VISIBLE | WS_TABSTOP | (n == QZ_SAIDA_RELATORIO_PRIMEIRA ? BS_DEFPUSHBUTTON : 0u)});
    m_modelo.items.push_back({IDCANCEL, "BUTTON", "Cancelar", 196, 59, 47, 14, WS_VISIBLE | WS_TABSTOP});
    InitModalIndirect(&m_modelo);
  }

 protected:
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
    const int nId = LOWORD(wParam);
    const int nResposta = nId - kBaseBotoes;
    if (HIWORD(wParam) == BN_CLICKED && nResposta >= QZ_SAIDA_RELATORIO_PRIMEIRA &&
        nResposta <= QZ_SAIDA_RELATORIO_ULTIMA) {
      EndDialog(nResposta);
      return TRUE;
    }
    return CQZDialog::OnCommand(wParam, lParam);
  }

 private:
  std::string m_strDescricao;
  DLGTEMPLATEDESC m_modelo;
};

}  // namespace

const char* QZNomeSaidaRelatorio(int nNumero, bool bPorAcao) {
  const int nIndice = bPorAcao ? nNumero - 1 : nNumero - QZ_SAIDA_RELATORIO_PRIMEIRA;
  return nIndice >= 0 && nIndice < static_cast<int>(std::size(kSaidas)) ? kSaidas[nIndice] : "";
}

int MostraConfiguradorRelatorio(const REG_CONFIG_RELATORIOPS* pPedido, CString* pstrTexto) {
  if (pstrTexto) pstrTexto->Empty();
  if (pPedido == nullptr || pPedido->nTamanho() != REG_CONFIG_RELATORIOPS::kTamanho) return 0;
  std::string strDescricao;
  try {
    strDescricao = std::string(pPedido->szTitulo()) + " (" + std::string(pPedido->szModulo()) + " " +
                   std::string(pPedido->szCodigo()) + ") - " + std::string(pPedido->szEmpresa()) + " - usuário " +
                   std::to_string(pPedido->nUsuario());
  } catch (const vrmsuite::CQZErroLayout&) {
    return 0;
  }
  CDlgConfiguradorRelatorio dlg(strDescricao);
  const int nResposta = static_cast<int>(dlg.DoModal());
  if (pstrTexto) *pstrTexto = QZNomeSaidaRelatorio(nResposta);
  return nResposta;
}
