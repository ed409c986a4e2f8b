// Utilitários do servidor do módulo (CVRMSVRUtil): palavra de percentual para CY,
// testes de marca 'S' e de valor 1, texto numa linha só, máscara de código, valor
// com casas em notação brasileira e a execução de programas da suíte.
#pragma once

#include <string>
#include <vector>

#include "vrmwnd/platform/CString.h"
#include "vrmwnd/platform/oleauto.h"
#include "vrmwnd/suite/exporta.h"

class VRMWND_SUITE_API CVRMSVRUtil {
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

  // Executa o programa strPrograma da pasta de instalação (QZDiretorioInstalacao),
  // sem shell e sem esperar por ele, com os argumentos, nesta ordem: strModulo,
  // strEmpresa, nUsuario e lSessao em decimal, e as palavras de strOpcoes (separadas
  // por espaços). O nome do programa tem de ser um nome de arquivo, sem pasta. Uma
  // falha (nome inválido, programa ausente ou não executável, processo que não
  // nasce) é mostrada numa caixa com o título do módulo e o motivo; nada é lançado.
  static void ExecutaProgramaTarvo(const CString& strPrograma, const CString& strModulo, const CString& strEmpresa,
                                   unsigned short nUsuario, long lSessao, const CString& strOpcoes);
  // Executa o programa strPrograma da pasta de instalação, como ExecutaProgramaTarvo,
  // com os argumentos da linha de comando strLinhaDeComando separados como o Windows
  // os separa (ArgumentosDaLinhaDeComando) e nada mais à frente. strModulo (sigla) dá
  // o título da caixa de falha.
  static void ExecutaProgramaLinhaDeComando(const CString& strPrograma, const CString& strModulo,
                                            const CString& strLinhaDeComando);
  // Os argumentos de uma linha de comando do Windows: espaços separam fora de aspas,
  // aspas agrupam palavras e não ficam no argumento, \" é uma aspa literal.
  static std::vector<std::string> ArgumentosDaLinhaDeComando(const CString& strLinhaDeComando);
};
