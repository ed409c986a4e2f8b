// compras tela [--empresa NOME]: as telas do módulo num terminal. Abre o terminal pelo
// ncurses, põe a pessoa como o agente que responde às janelas e roda o menu das telas
// sobre a empresa; o terminal volta ao que era em qualquer saída.
#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>
#include <string>

#include "comandos.h"
#include "telas.h"
#include "vrmwnd/base/QZModulos.h"
#include "vrmwnd/terminal.h"
#include "vrmwnd/vrmwnd.h"

namespace compras {
namespace {

// Põe o agente e o devolve no fim.
class CAgenteInstalado {
 public:
  explicit CAgenteInstalado(IUserAgent& agente) : m_pAnterior(SetUserAgent(&agente)) {}
  ~CAgenteInstalado() { SetUserAgent(m_pAnterior); }
  CAgenteInstalado(const CAgenteInstalado&) = delete;
  CAgenteInstalado& operator=(const CAgenteInstalado&) = delete;

 private:
  IUserAgent* m_pAnterior;
};

vrmwnd::terminal::TMolduraTela MolduraDaTela(const char* szEmpresa) {
  return {std::string("compras — módulo de Compras (CM, módulo ") + std::to_string(QZ_MODULO_COMPRAS) + ") — empresa " +
              szEmpresa,
          "Tab campo · Enter confirma · Esc cancela · F2 consulta · Alt+letra · ^C sai"};
}

}  // namespace

int ComandoTela(int argc, char** argv) {
  const TComando& eu = Comando("tela");
  const char* szEmpresa = kEmpresaPadrao;
  for (int i = 0; i < argc; ++i) {
    if (std::strcmp(argv[i], "--empresa") == 0 && i + 1 < argc) {
      szEmpresa = argv[++i];
    } else {
      return UsoErrado(eu, "argumento desconhecido");
    }
  }
  if (!PreparaAmbiente(szEmpresa)) return 1;
  std::unique_ptr<vrmwnd::terminal::CTerminalCurses> pTerminal;
  try {
    pTerminal = std::make_unique<vrmwnd::terminal::CTerminalCurses>();
  } catch (const std::exception& e) {
    return UsoErrado(eu, e.what());
  }
  // Uma exceção que escapa das telas fecha a tela antes da mensagem.
  std::string strFalha;
  try {
    vrmwnd::terminal::CUsuarioTerminal pessoa(*pTerminal, MolduraDaTela(szEmpresa));
    CAgenteInstalado agente(pessoa);
    RodaMenu(TContextoTela{szEmpresa});
  } catch (const std::exception& e) {
    strFalha = e.what();
  } catch (...) {
    strFalha = "uma exceção interrompeu as telas";
  }
  pTerminal.reset();
  if (strFalha.empty()) return 0;
  std::fprintf(stderr, "compras tela: %s\n", strFalha.c_str());
  return 1;
}

}  // namespace compras
