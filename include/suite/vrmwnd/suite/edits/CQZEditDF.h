// Família de edits da suíte (qzdfedit): CQZEditDF com os tratadores refletidos que
// devolvem o BOOL que os wrappers repassam (TRUE consome a notificação, FALSE deixa
// o pai ouvir também), CQZEdit, CQZMultiLineEdit e a conversão DLU_TO_Pixel_Y.
#pragma once

#include "vrmwnd/platform/afxctrl.h"
#include "vrmwnd/suite/edits/CBotaoConsulta.h"
#include "vrmwnd/suite/exporta.h"
#include "vrmwnd/suite/registros/TQZBase.h"

// Se o edit segue a personalização de movimentos da empresa (campos que a empresa
// torna obrigatórios ou somente leitura).
class VRMWND_SUITE_API CQZDFEditPersonalizaMovimento {
 public:
  void SetPersonalizaMovimento(bool b) { m_bPersonalizaMovimento = b; }
  bool GetPersonalizaMovimento() const { return m_bPersonalizaMovimento; }

 protected:
  bool m_bPersonalizaMovimento = false;
};

class VRMWND_SUITE_API CQZEditDF : public CEdit, public CQZBaseParaRotinas, public CQZDFEditPersonalizaMovimento {
 public:
  // Verdadeiro desde a última mudança de texto até SetAlterado(false).
  bool GetAlterado() const { return m_bAlterado; }
  void SetAlterado(bool b) { m_bAlterado = b; }

  // Tratadores refletidos: marcam o estado do edit e devolvem FALSE (o pai ouve).
  virtual BOOL OnCONTROL_REFLECT_EX_Change();
  // Ao ganhar o foco seleciona o texto todo.
  virtual BOOL OnCONTROL_REFLECT_EX_SetFocus();
  virtual BOOL OnCONTROL_REFLECT_EX_KillFocus();

 protected:
  // O tratador de EN_SETFOCUS que os derivados podem mapear diretamente.
  BOOL OnSetfocus() { return CQZEditDF::OnCONTROL_REFLECT_EX_SetFocus(); }
  bool m_bAlterado = false;
  DECLARE_MESSAGE_MAP()
};

// CQZEdit não tem mapa de mensagens próprio: herda o de CQZEditDF.
class CQZEdit : public CQZEditDF {};

// Edit de várias linhas com um botão de consulta opcional ao lado (a tela o cria e
// diz o que ele faz).
class CQZMultiLineEdit : public CQZEditDF {
 public:
  int GetQuantidadeLinhas() const { return static_cast<int>(SendMessage(EM_GETLINECOUNT)); }
  // Cria o botão ao lado do edit com o identificador nID e a ação do clique.
  bool CriaBotaoConsulta(UINT nID, std::function<void()> acao) {
    if (!m_btnConsulta.CriaAoLadoDe(*this, nID)) return false;
    m_btnConsulta.SetAcao(std::move(acao));
    return true;
  }
  // O botão, ou nulo enquanto não foi criado.
  CBotaoConsulta* GetBtnConsulta() { return m_btnConsulta.m_hWnd ? &m_btnConsulta : nullptr; }

 protected:
  CBotaoConsulta m_btnConsulta;
};

// Pixels de nDlu unidades verticais de diálogo na janela (arredondado).
VRMWND_SUITE_API int DLU_TO_Pixel_Y(CWnd* pWnd, int nDlu);
