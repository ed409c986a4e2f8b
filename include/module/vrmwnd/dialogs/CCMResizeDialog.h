// CCMResizeDialog, a base dos diálogos redimensionáveis do módulo: a alça de
// redimensionar no canto de baixo à direita, o tamanho mínimo igual ao da abertura,
// os controles ancorados às bordas (CQZDlgAnchors) e a posição da janela guardada no
// perfil do programa, de uma abertura à outra.
//
// Um diálogo derivado ancora os seus controles no fim do seu OnInitDialog e chama
// EndInitDialog, que devolve a posição guardada; cada derivado guarda a sua sob a
// chave de OnGetChaveRegistro.
#pragma once

#include "vrmwnd/base/CQZDlgAnchors.h"
#include "vrmwnd/suite/edits/CQZDialog.h"
#include "vrmwnd/util/exporta.h"

class VRMWND_API CCMResizeDialog : public CQZDialog {
 public:
  CCMResizeDialog();
  CCMResizeDialog(UINT nIDTemplate, CWnd* pParent);
  ~CCMResizeDialog() override;

  // Ancora o controle filho de identificador nID, ou a janela hWnd; um controle que
  // não é janela é ignorado, e um já ancorado só troca as âncoras (ANCHOR_*).
  void SetAnchor(UINT nID, UINT nAncoras);
  void SetAnchor(HWND hWnd, UINT nAncoras);
  // Chamada pelo derivado no fim do seu OnInitDialog: a posição guardada volta (a
  // maximizada volta maximizada, com o retângulo normal dela).
  void EndInitDialog();

  // O recurso desta biblioteca é o corrente enquanto o diálogo está aberto.
  INT_PTR DoModal() override;
  // A alça, as âncoras sobre este diálogo e o tamanho mínimo, o de agora.
  BOOL OnInitDialog() override;
  // Guarda a posição no perfil (enquanto a janela existe) e destrói a janela.
  BOOL DestroyWindow() override;

  // A seção e a entrada do perfil: a chave de OnGetChaveRegistro com "Settings" e com
  // "WindowPos"; o formato dos dez números guardados.
  CString GetSectionPosition();
  CString GetEntryPosition();
  static const char* GetFORMATO_POSICAO_JANELA() { return "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d"; }

 protected:
  afx_msg LRESULT OnNcHitTest(CPoint point);
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);

  CWnd m_wndAlca;      // a alça (size grip), criada no OnInitDialog
  CRect m_rectMinimo;  // o retângulo da janela na abertura; vazio antes dela
  CQZDlgAnchors m_ancoras;

 private:
  // A chave do perfil deste diálogo: "CCMResizeDialog"; os derivados dão a sua.
  virtual const char* OnGetChaveRegistro();
  void SalvaPosicaoJanela();
  void RestauraPosicaoJanela();
  void CreateSizeGrip();

  DECLARE_MESSAGE_MAP()
};
