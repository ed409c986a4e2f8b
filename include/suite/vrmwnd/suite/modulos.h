// Os módulos da suíte como a biblioteca de mensagens e as regras os identificam:
// o número do módulo e o seu código de duas letras.
#pragma once

namespace vrmsuite {

struct TModuloSuite {
  int nNumero;
  const char* szCodigo;
};

inline constexpr TModuloSuite kModuloCompras{7, "CM"};
inline constexpr TModuloSuite kModuloEmpresarial{1, "DF"};

// Código de duas letras do módulo de número nNumero; texto vazio quando a suíte
// não conhece o número.
const char* CodigoDoModulo(int nNumero);

}  // namespace vrmsuite
