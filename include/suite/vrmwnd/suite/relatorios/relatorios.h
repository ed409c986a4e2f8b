// Biblioteca de relatórios da suíte: o pedido ao configurador de relatórios e o
// configurador ("Modelador de Relatórios"), onde o usuário escolhe a saída do
// relatório antes de ele ser gerado.
#pragma once

#include "vrmwnd/platform/CString.h"
#include "vrmwnd/suite/exporta.h"
#include "vrmwnd/suite/leiautes/layout_fixo.h"

// Pedido ao configurador (164 bytes): nTamanho é o próprio tamanho (164); empresa,
// módulo ("DF"), código ("LOG"), título e usuário do relatório.
#define QZ_CAMPOS_REG_CONFIG_RELATORIOPS(N, D, H, T, B) \
  N(DWORD, nTamanho, 0)                                 \
  T(szEmpresa, 4, 60)                                   \
  T(szModulo, 64, 4)                                    \
  T(szCodigo, 68, 12)                                   \
  T(szTitulo, 80, 80)                                   \
  N(WORD, nUsuario, 160)

struct REG_CONFIG_RELATORIOPS : vrmsuite::TBlocoFixo<REG_CONFIG_RELATORIOPS, 164> {
  static constexpr const char* kNome = "REG_CONFIG_RELATORIOPS";
  QZ_LAYOUT_CAMPOS(QZ_CAMPOS_REG_CONFIG_RELATORIOPS)
};
QZ_LAYOUT_VERIFICA(REG_CONFIG_RELATORIOPS, 164);

// As saídas do configurador: a resposta 4 a 8 (o botão escolhido) e o nome de cada
// uma, que volta como texto da configuração.
// | resposta | saída      |
// |----------|------------|
// | 4        | Vídeo      |
// | 5        | Impressora |
// | 6        | Arquivo    |
// | 7        | Planilha   |
// | 8        | E-mail     |
inline constexpr int QZ_SAIDA_RELATORIO_PRIMEIRA = 4;
inline constexpr int QZ_SAIDA_RELATORIO_ULTIMA = 8;
// O nome da saída pela resposta (4 a 8) ou, com bPorAcao, pela ação (1 a 5); vazio
// para outro número.
VRMWND_SUITE_API const char* QZNomeSaidaRelatorio(int nNumero, bool bPorAcao = false);

// Identificador, no configurador, do texto que descreve o pedido:
// "<título> (<módulo> <código>) - <empresa> - usuário <n>".
inline constexpr int QZ_IDC_DESCRICAO_RELATORIO = 1100;
// O botão da saída de resposta n tem o identificador QZ_IDC_SAIDA_RELATORIO + n.
inline constexpr int QZ_IDC_SAIDA_RELATORIO = 1000;

// Mostra o configurador "Modelador de Relatórios" (modal, sem dono) com a descrição
// do pedido e devolve a resposta: 4 a 8 pela saída escolhida, com o nome da
// saída em *pstrTexto; 2 quando o usuário cancela; 0 sem mostrar nada quando o
// pedido é nulo ou o seu nTamanho não é 164; −1 quando ninguém responde.
VRMWND_SUITE_API int MostraConfiguradorRelatorio(const REG_CONFIG_RELATORIOPS* pPedido, CString* pstrTexto);
