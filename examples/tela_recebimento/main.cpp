// tela_recebimento [EMPRESA]: prepara a instalação e a empresa (a de amostra por
// padrão) e abre a tela de recebimento com uma pessoa roteirizada, que digita a
// condição "30", escolhe quem paga o frete, completa a observação, importa duas notas
// e confirma. Imprime o que a tela mostrou.
#include <cstdio>
#include <string>

#include "tela_recebimento.h"
#include "vrmwnd/platform/scripted_user.h"
#include "vrmwnd/util/preparacao.h"

namespace {

std::string Texto(HWND hTela, int nId) {
  char sz[256] = "";
  GetDlgItemTextA(hTela, nId, sz, sizeof sz);
  return sz;
}

}  // namespace

int main(int argc, char** argv) {
  const char* szEmpresa = argc > 1 ? argv[1] : kVRMEmpresaAmostra;
  CString strFalha;
  if (VRMPreparaAmbiente(szEmpresa, &strFalha) != S_OK) {
    std::fprintf(stderr, "tela_recebimento: %s\n", strFalha.GetString());
    return 1;
  }

  // A pessoa age pela fila de mensagens, como o teclado e o mouse agiriam.
  int nFalhas = 0;
  ScriptedUser pessoa([&nFalhas](const std::string& strFalha) {
    std::fprintf(stderr, "tela_recebimento: %s\n", strFalha.c_str());
    ++nFalhas;
  });
  std::string strVisto;
  pessoa.WhenOpened("Recebimento de mercadorias")
      .Type(IDC_CONDICAO, "30")
      .Key(VK_TAB)
      .Choose(IDC_FRETE, "Destinatário")
      .Type(IDC_OBSERVACAO, ", conferido")
      .Click(IDC_IMPORTAR)
      .Check([&strVisto](HWND hTela) {
        strVisto = "Condição: " + Texto(hTela, IDC_CONDICAO_DESCRICAO) + "\nFrete: " + Texto(hTela, IDC_FRETE) +
                   "\nObservação: " + Texto(hTela, IDC_OBSERVACAO) + "\nNotas: " + Texto(hTela, IDC_TOTAL) + "\n" +
                   Texto(hTela, IDC_ALTERACOES) + "\n";
      })
      .Click(IDOK);

  CTelaRecebimento tela(szEmpresa, {6144, 10240});
  const INT_PTR nResultado = tela.DoModal();
  std::fputs(strVisto.c_str(), stdout);
  return nResultado == IDOK && nFalhas == 0 ? 0 : 1;
}
