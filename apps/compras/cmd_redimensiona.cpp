// compras redimensiona: o diálogo de demonstração do redimensionamento aberto como
// numa tela; a pessoa da linha de comando arrasta a alça até o tamanho pedido (ou
// maximiza) e aperta Enter, e o comando mostra os retângulos dos controles antes e
// depois e a posição que ficou guardada para a próxima abertura.
#include <cstdio>
#include <cstring>
#include <string>

#include "comandos.h"
#include "dlg_itens.h"
#include "vrmwnd/platform/scripted_user.h"

namespace compras {
namespace {

constexpr const char* kSecao = "CDlgItensRedimensionaSettings";
constexpr const char* kEntrada = "CDlgItensRedimensionaWindowPos";

void MostraJanela(HWND h, const CDlgItensRedimensiona& dlg) {
  CRect r;
  GetWindowRect(h, &r);
  std::printf("Janela: (%ld, %ld) - (%ld, %ld), %d x %d%s\n", static_cast<long>(r.left), static_cast<long>(r.top),
              static_cast<long>(r.right), static_cast<long>(r.bottom), r.Width(), r.Height(),
              IsZoomed(h) ? ", maximizada" : "");
  for (const std::string& strLinha : dlg.Retangulos()) std::printf("  %s\n", strLinha.c_str());
}

// "400x300": largura e altura de 1 a 9999.
bool LeTamanho(const char* sz, int& nLargura, int& nAltura) {
  char cResto = 0;
  return std::sscanf(sz, "%dx%d%c", &nLargura, &nAltura, &cResto) == 2 && nLargura > 0 && nAltura > 0 &&
         nLargura < 10000 && nAltura < 10000;
}

}  // namespace

int ComandoRedimensiona(int argc, char** argv) {
  const TComando& eu = Comando("redimensiona");
  int nLargura = 0, nAltura = 0;
  bool bMaximiza = false, bEsquece = false;
  for (int i = 0; i < argc; ++i) {
    if (std::strcmp(argv[i], "--arrasta") == 0 && i + 1 < argc) {
      if (!LeTamanho(argv[++i], nLargura, nAltura)) return UsoErrado(eu, "o tamanho é LARGURAxALTURA, como 400x300");
    } else if (std::strcmp(argv[i], "--maximiza") == 0) {
      bMaximiza = true;
    } else if (std::strcmp(argv[i], "--esquece") == 0) {
      bEsquece = true;
    } else {
      return UsoErrado(eu, "argumento desconhecido");
    }
  }
  if (bEsquece) AfxGetApp()->WriteProfileString(kSecao, kEntrada, nullptr);
  const CString strAntes = AfxGetApp()->GetProfileString(kSecao, kEntrada, "");
  std::printf("Posição guardada: %s\n", strAntes.IsEmpty() ? "(nenhuma)" : strAntes.GetString());

  ScriptedUser pessoa([](const std::string&) {});
  CDlgItensRedimensiona dlg(nullptr);
  Script& roteiro = pessoa.WhenOpened(CDlgItensRedimensiona::kTitulo).Check([&](HWND h) { MostraJanela(h, dlg); });
  if (nLargura > 0) {
    roteiro.Check([&](HWND h) {
      CRect r;
      GetWindowRect(h, &r);
      std::printf("Arrasto da alça até %d x %d:\n", nLargura, nAltura);
      InputDragSizeGrip(h, nLargura - r.Width(), nAltura - r.Height());
    });
    roteiro.Check([&](HWND h) { MostraJanela(h, dlg); });
  }
  if (bMaximiza) {
    roteiro.Check([](HWND h) {
      std::printf("Maximiza:\n");
      SendMessage(h, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    });
    roteiro.Check([&](HWND h) { MostraJanela(h, dlg); });
  }
  roteiro.Key(VK_RETURN);
  if (dlg.DoModal() != IDOK) {
    std::fprintf(stderr, "compras redimensiona: o diálogo não abriu\n");
    return 1;
  }
  const CString strGuardado = AfxGetApp()->GetProfileString(kSecao, kEntrada, "");
  std::printf("Guardado: %s\n",
              strGuardado.IsEmpty() ? "(nada: o perfil não pôde ser gravado)" : strGuardado.GetString());
  return 0;
}

}  // namespace compras
