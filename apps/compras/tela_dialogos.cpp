// As telas dos diálogos do módulo no menu: a chave do documento, a cotação pela web, o
// progresso, o diálogo redimensionável, as relações de seleção múltipla, os
// históricos desativados e as deduções do INSS. O resultado vai numa caixa de mensagem, não
// para a saída padrão, que é a tela do terminal.
#include <chrono>
#include <string>
#include <thread>

#include "comandos.h"
#include "dlg_itens.h"
#include "telas.h"
#include "vrmwnd/vrmwnd.h"

namespace compras {
namespace {

void Mostra(const TContextoTela& contexto, const CString& strTexto, const char* szTitulo) {
  MessageBox(contexto.pPai ? contexto.pPai->m_hWnd : nullptr, strTexto, szTitulo, MB_OK | MB_ICONINFORMATION);
}

}  // namespace

void AbreChave(const TContextoTela& contexto) {
  CDlgChave dlg(static_cast<REG_QZDMC::MOVIMENTOS_DMC>(5), contexto.pPai);
  dlg.SetTipo(0);
  if (dlg.DoModal() != IDOK) return;
  CQZQuemGerou chave(dlg.GetQZDMC());
  CString strTexto;
  strTexto.Format("Chave: %llu\nDescrição: %s", static_cast<unsigned long long>(dlg.GetQZDMC().Valor()),
                  chave.GetDescricao().GetString());
  Mostra(contexto, strTexto, "Compras - Chave");
}

void AbreCotacaoWeb(const TContextoTela& contexto) {
  CString strTexto;
  IncluiCotacaoWeb(contexto.szEmpresa, contexto.nUsuario, contexto.lSessao, strTexto);
  Mostra(contexto, strTexto, "Compras - Cotação Web");
}

void AbreProgresso(const TContextoTela& contexto) {
  constexpr int kPassos = 20;
  {
    CCMProgressoDlg dlg;
    if (!dlg.Create(contexto.pPai)) return;
    dlg.ShowWindow(SW_SHOW);
    dlg.SetStep(100 / kPassos);
    for (int i = 1; i <= kPassos; ++i) {
      CString strSituacao;
      strSituacao.Format("Passo %d de %d", i, kPassos);
      dlg.SetStatus(strSituacao);
      dlg.StepIt();
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    dlg.DestroyWindow();
  }
  Mostra(contexto, "Os 20 passos terminaram.", "Compras - Progresso");
}

void AbreDeducoes(const TContextoTela& contexto) {
  const CY cyBase = CyDeBruto(10'000'0000);
  CDlgDeducao dlg(contexto.pPai);
  dlg.SetBCImposto(cyBase);
  if (dlg.DoModal(CM_IMPOSTO_INSS) != IDOK) return;
  Mostra(contexto, DescreveDeducoes(dlg.GetDeducao(), cyBase), "Compras - Deduções");
}

void AbreRedimensiona(const TContextoTela& contexto) {
  CDlgItensRedimensiona dlg(contexto.pPai);
  if (dlg.DoModal() != IDOK) return;
  CString strTexto;
  strTexto.Format(
      "Posição guardada: %s",
      AfxGetApp()->GetProfileString("CDlgItensRedimensionaSettings", "CDlgItensRedimensionaWindowPos", "").GetString());
  Mostra(contexto, strTexto, "Compras - Itens redimensionáveis");
}

// As relações começam com dois códigos da amostra, para que haja o que remover.
void AbreMultiCFOP(const TContextoTela& contexto) {
  TPedidoMulti pedido{contexto.szEmpresa, contexto.nUsuario, contexto.lSessao, contexto.pPai, {1, 2}};
  CString strTexto;
  if (RodaMultiCFOP(pedido, strTexto) != IDCANCEL) Mostra(contexto, strTexto, "Compras - Relação de CFOPs");
}

void AbreMultiFornecedor(const TContextoTela& contexto) {
  TPedidoMulti pedido{contexto.szEmpresa, contexto.nUsuario, contexto.lSessao, contexto.pPai, {2001, 2004}};
  pedido.nCaracteristica = 8;  // fornecedores
  CString strTexto;
  if (RodaMultiFornecedor(pedido, strTexto) != IDCANCEL) Mostra(contexto, strTexto, "Compras - Relação de contas");
}

void AbreHistoricosDesativados(const TContextoTela& contexto) {
  CString strTexto;
  if (RodaHistoricosDesativados(contexto.szEmpresa, 1, contexto.pPai, strTexto) == IDCANCEL) return;
  Mostra(contexto, strTexto, "Compras - Históricos Desativados");
}

}  // namespace compras
