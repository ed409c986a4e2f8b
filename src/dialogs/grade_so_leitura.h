// As opções das grades só de leitura dos diálogos do módulo (a mensagem com grade e as
// seleções múltiplas): seleção só por programa, colunas que não se movem nem mudam de
// largura, sem ordenação, configuração salva ou do usuário, sem o número das linhas;
// depois a inicialização do framework, com o cabeçalho que não se seleciona.
#pragma once

#include "vrmwnd/suite/grade/CQZBrowserWnd.h"

namespace vrmwnd::dialogos {

inline constexpr int kSelecaoSoPorPrograma = 2;
// A margem e as opções que as colunas dessas grades levam.
inline constexpr int kMargemColuna = 10;
inline constexpr int kOpcoesColuna = 256;

inline void IniciaGradeSoLeitura(CQZBrowserWnd& grade, int nColunas) {
  grade.SetTipoSelecao(kSelecaoSoPorPrograma);
  grade.SetColunasMoveis(FALSE);
  grade.SetColunasRedimensionaveis(FALSE);
  grade.SetSalvaConfiguracao(FALSE);
  grade.SetPermiteOrdenacao(FALSE);
  grade.SetPermiteConfiguracaoUsuario(FALSE);
  grade.SetMostraNumeroLinha(FALSE);
  grade.SetQtdColunas(nColunas);
  grade.CQZBrowserWnd::OnInitialUpdate();
  grade.SetCabecalhoSelecionavel(FALSE);
}

}  // namespace vrmwnd::dialogos
