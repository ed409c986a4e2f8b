// compras valor: lê um valor em notação brasileira, arredonda nas casas e no modo
// pedidos (padrão: quatro casas, trunca) e mostra o texto formatado.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "comandos.h"
#include "vrmwnd/base/CQZCurrencyEx.h"

namespace compras {
namespace {

// Modo pelo número (0..3) ou pelo nome; -1 quando não é nenhum.
int LeModo(const char* sz) {
  static constexpr const char* kNomes[] = {"meio", "trunca", "par", "cima"};
  for (int i = 0; i < 4; ++i)
    if (std::strcmp(sz, kNomes[i]) == 0 || (sz[0] == '0' + i && sz[1] == '\0')) return i;
  return -1;
}

}  // namespace

int ComandoValor(int argc, char** argv) {
  const TComando& eu = Comando("valor");
  const char* szValor = nullptr;
  int nCasas = 4, nModo = TRUNCA;
  for (int i = 0; i < argc; ++i) {
    if (std::strcmp(argv[i], "--casas") == 0) {
      if (++i == argc) return UsoErrado(eu, "--casas pede um número de 0 a 4");
      char* pFim = nullptr;
      nCasas = static_cast<int>(std::strtol(argv[i], &pFim, 10));
      if (*argv[i] == '\0' || *pFim != '\0' || nCasas < 0 || nCasas > 4)
        return UsoErrado(eu, "--casas pede um número de 0 a 4");
    } else if (std::strcmp(argv[i], "--modo") == 0) {
      if (++i == argc || (nModo = LeModo(argv[i])) < 0)
        return UsoErrado(eu, "--modo pede 0 (meio), 1 (trunca), 2 (par) ou 3 (cima)");
    } else if (szValor == nullptr) {
      szValor = argv[i];
    } else {
      return UsoErrado(eu, "informe um só valor");
    }
  }
  if (szValor == nullptr) return UsoErrado(eu, "informe o valor, por exemplo 1.234,56");

  // O valor ilegível vira 0 na classe; aqui o usuário precisa saber que errou.
  const std::u16string largo = Utf8ToUtf16(szValor);
  CY cy{};
  const HRESULT hr = VarCyFromStr(largo.c_str(), LCID_PORTUGUESE_BRAZIL, LOCALE_NOUSEROVERRIDE, &cy);
  if (hr == DISP_E_OVERFLOW) return UsoErrado(eu, "valor fora da faixa (±922.337.203.685.477,5807)");
  if (FAILED(hr)) return UsoErrado(eu, "valor ilegível; use a notação brasileira, por exemplo 1.234,56");

  // Perto dos limites da faixa, arredondar para longe do zero não cabe mais num CY.
  LONGLONG llArredondado = 0;
  if (QZArredondaBrutoVerificado(cy.int64, nCasas, nModo, 4, &llArredondado) == DISP_E_OVERFLOW)
    return UsoErrado(eu, "o valor arredondado sai da faixa (±922.337.203.685.477,5807)");

  CQZCurrencyEx valor;
  valor.SetModoArredondamento(nModo);
  valor.SetCasasDecimais(static_cast<short>(nCasas));
  valor.SetTexto(CString(szValor), true);
  std::printf("%s\n", static_cast<const char*>(valor.Formata()));
  return 0;
}

}  // namespace compras
