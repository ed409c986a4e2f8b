// As telas da mensagem com grade, da liberação da ordem de compra e do orçado e
// realizado no menu. O
// resultado vai numa caixa de mensagem, não para a saída padrão, que é a tela do
// terminal.
#include <string>

#include "comandos.h"
#include "telas.h"
#include "vrmwnd/vrmwnd.h"

namespace compras {
namespace {

constexpr unsigned long kOrdemDaTela = 3;

void Mostra(const TContextoTela& contexto, const CString& strTexto, const char* szTitulo) {
  MessageBox(contexto.pPai ? contexto.pPai->m_hWnd : nullptr, strTexto, szTitulo, MB_OK | MB_ICONINFORMATION);
}

}  // namespace

void AbreMensagemGrade(const TContextoTela& contexto) {
  // Oito linhas: o diálogo cabe num terminal de 32 linhas.
  constexpr int kLinhas = 8;
  CDlgMsgCm dlg(contexto.pPai);
  dlg.SetTitulo("Compras - Mensagem com grade");
  dlg.SetMensagem("Uma tabela de oito linhas. Ctrl+Shift+F2 copia a tabela.");
  dlg.SetPergunta("Confirma?");
  dlg.SetIcon(IDI_QUESTION);
  dlg.SetTextCheck1("Lembrar a resposta");
  dlg.SetEnableCheck1(1);
  PreencheTabelaDeDemonstracao(dlg, kLinhas, 170);
  const INT_PTR nResultado = dlg.DoModal();
  CString strTexto;
  strTexto.Format("Resposta: %s\nLembrar a resposta: %s", nResultado == IDYES ? "Sim" : "Não",
                  dlg.GetCheck1() ? "sim" : "não");
  Mostra(contexto, strTexto, "Compras - Mensagem com grade");
}

void AbreLiberacaoOrdem(const TContextoTela& contexto) {
  CString strTexto;
  LiberaOrdemCompra(contexto.szEmpresa, contexto.nUsuario, contexto.lSessao, kOrdemDaTela, strTexto);
  Mostra(contexto, strTexto, "Compras - Ordem de compra");
}

// O diálogo mostra a consulta; ao fechar, o filtro fica guardado para a próxima vez.
void AbreOrcadoRealizado(const TContextoTela& contexto) {
  if (CQZInicializador().Inicializa(contexto.szEmpresa, contexto.nUsuario, contexto.lSessao) != S_OK) {
    CString strTexto;
    strTexto.Format("A empresa %s não abriu.", contexto.szEmpresa);
    Mostra(contexto, strTexto, "Compras - Orçado e realizado");
    return;
  }
  CDlgControleOrcamentario dlg(contexto.pPai);
  dlg.DoModal();
}

}  // namespace compras
