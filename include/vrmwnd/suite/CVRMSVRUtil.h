// Utilitários de texto e de percentual do servidor do módulo (CVRMSVRUtil): palavra
// de percentual para CY, testes de marca 'S' e de valor 1, texto numa linha só,
// máscara de código e valor com casas em notação brasileira.
#pragma once

#include "vrmwnd/platform/CString.h"
#include "vrmwnd/platform/oleauto.h"

class CVRMSVRUtil {
 public:
  // A palavra guarda o percentual em centésimos (1800 = 18,00 %); o CY é o percentual
  // (18,0000).
  static CY Percentual_USHORT_Para_CURRENCY(unsigned short nPercentual);
  // Marca de sim da suíte: 'S' ou 's'.
  static bool true_S(char cMarca);
  static bool true_1(int nValor) { return nValor == 1; }
  // Cada quebra de linha ("\r\n", "\r" ou "\n") vira um espaço; tabulações também.
  static CString CStringSemQuebraDeLinha(const CString& strTexto);
  // Encaixa os dígitos do código nas posições '9' (ou '#') da máscara, da direita
  // para a esquerda; posições sem dígito ficam '0'; os outros caracteres da máscara
  // são copiados. Dígitos a mais que as posições vêm à frente. Máscara vazia: o
  // código como veio.
  static CString FormataMascara(const CString& strCodigo, const CString& strMascara);
  // O valor com nCasas casas (0 a 4), cortado, em notação brasileira (1.234,56).
  static CString ToStringV4(CY valor, int nCasas);
};
