// O botão de consulta dos edits da suíte: um botão "..." criado ao lado do edit, no
// mesmo pai, que ao ser clicado faz o que o edit dono mandou (abrir a lista de
// consulta). Habilitado e desabilitado junto com o edit por quem o pede.
#pragma once

#include <functional>

#include "vrmwnd/platform/afxctrl.h"
#include "vrmwnd/suite/exporta.h"

class VRMWND_SUITE_API CBotaoConsulta : public CButton {
 public:
  // Cria o botão à direita do edit, com a altura dele e o identificador nID; falso
  // quando o edit não tem janela ou pai. Criar de novo não faz nada.
  bool CriaAoLadoDe(CWnd& edit, UINT nID);
  // O que o clique faz; sem ação o clique só chega ao pai.
  void SetAcao(std::function<void()> acao) { m_acao = std::move(acao); }

 protected:
  afx_msg BOOL OnClicked();

 private:
  std::function<void()> m_acao;
  DECLARE_MESSAGE_MAP()
};
