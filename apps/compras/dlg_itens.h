// O diálogo de demonstração do redimensionamento: uma lista ancorada às quatro bordas
// que mostra, a cada mudança de tamanho, o retângulo de cada controle; um aviso
// ancorado embaixo e os botões OK e Cancelar ancorados ao canto de baixo à direita.
#pragma once

#include <string>
#include <vector>

#include "vrmwnd/vrmwnd.h"

namespace compras {

class CDlgItensRedimensiona : public CCMResizeDialog {
 public:
  enum { IDD = 30101, IDC_LISTA = 1001, IDC_AVISO = 1002 };
  static constexpr const char* kTitulo = "Compras - Itens redimensionáveis";

  explicit CDlgItensRedimensiona(CWnd* pPai);
  // "Lista: (11, 11) - (320, 151)", um por controle ancorado, na ordem do modelo.
  std::vector<std::string> Retangulos() const;

 protected:
  BOOL OnInitDialog() override;
  afx_msg void OnSize(UINT nTipo, int cx, int cy);
  DECLARE_MESSAGE_MAP()

 private:
  const char* OnGetChaveRegistro() override { return "CDlgItensRedimensiona"; }
  void MostraRetangulos();
  CListCtrl m_lista;
};

}  // namespace compras
