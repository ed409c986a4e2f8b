// O visualizador de relatórios da suíte (CChamaVisualizadorRel): abre o arquivo de
// relatório em texto numa janela modal, com a saída pedida no título.
#pragma once

#include "vrmwnd/platform/CString.h"
#include "vrmwnd/platform/hresult.h"
#include "vrmwnd/suite/exporta.h"

class VRMWND_SUITE_API CChamaVisualizadorRel {
 public:
  // Título da janela; a ação (1 a 5, as saídas do configurador) vem depois de " - ".
  static constexpr const char* kTitulo = "Visualizador de Relatórios";
  // Identificador do texto do relatório na janela.
  static constexpr int IDC_TEXTO_RELATORIO = 1001;

  void SetAcao(int nAcao) { m_nAcao = nAcao; }
  void SetRelatorio(const CString& strRelatorio) { m_strRelatorio = strRelatorio; }
  int GetAcao() const { return m_nAcao; }
  const CString& GetRelatorio() const { return m_strRelatorio; }

  // Mostra o texto do relatório até o usuário fechar a janela. Ação fora de 1 a 5:
  // E_INVALIDARG; relatório que não abre: 0x80070002; nos dois casos nada é mostrado.
  HRESULT Executa();

 private:
  int m_nAcao = 0;
  CString m_strRelatorio;
};
