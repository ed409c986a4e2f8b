// Âncoras dos controles de uma janela (CQZDlgAnchors): cada controle ancorado guarda
// a distância às bordas da janela-pai que as suas âncoras pedem, e Reposiciona o
// move ou estica quando a área cliente do pai muda. Um pai CScrollView é arrumado
// sobre a área de rolagem inteira.
//
// | âncoras                   | quando o pai cresce dx, dy             |
// |---------------------------|----------------------------------------|
// | ANCHOR_BOTTOM             | desce dy (mantém a distância à base)   |
// | ANCHOR_TOP | ANCHOR_BOTTOM | estica dy                              |
// | ANCHOR_RIGHT              | vai dx à direita                       |
// | ANCHOR_LEFT | ANCHOR_RIGHT | estica dx                              |
// | ANCHOR_TOP, ANCHOR_LEFT   | sozinhas não mudam nada                |
#pragma once

#include "vrmwnd/base/exporta.h"
#include "vrmwnd/platform/CList.h"
#include "vrmwnd/platform/afxwin.h"

constexpr UINT ANCHOR_TOP = 1, ANCHOR_LEFT = 2, ANCHOR_BOTTOM = 4, ANCHOR_RIGHT = 8;

// Um controle ancorado: o identificador (0 quando registrado pela janela), as
// âncoras, o retângulo atual nas coordenadas da área cliente do pai e a janela.
struct LAYOUT_CONTROLES {
  int nID;
  UINT nAncoras;
  CRect rect;
  HWND hWnd;
};

class VRMWND_BASE_API CQZDlgAnchors : public CObject {
 public:
  CQZDlgAnchors();
  ~CQZDlgAnchors() override;
  CQZDlgAnchors(const CQZDlgAnchors&) = delete;
  CQZDlgAnchors& operator=(const CQZDlgAnchors&) = delete;

  // Guarda o pai e a sua área cliente de agora (num CScrollView, ao menos a área de
  // rolagem inteira); não mexe nos registros.
  virtual void Init(CWnd* pPai);
  virtual CWnd* GetPai() const { return m_pPai; }

  // Ancora o controle nID do pai; o retângulo dado (em coordenadas de tela) toma o
  // lugar do da janela. Um controle já ancorado só troca as âncoras. false, sem nada
  // mudar, quando o pai não tem esse controle.
  bool AdicionaAncora(UINT nID, UINT nAncoras, LPCRECT pRetangulo = nullptr);
  // O mesmo para uma janela dada pelo handle (o registro fica com identificador 0).
  bool AdicionaAncora(HWND hWnd, UINT nAncoras);
  void RemoveAncora(UINT nID);
  void RemoveTodas();
  // O registro do controle nID, ou nullptr.
  const LAYOUT_CONTROLES* Procura(UINT nID) const;
  INT_PTR GetCount() const { return m_lista.GetCount(); }

  // Arruma os controles para a área cliente de agora do pai (a anterior é a do último
  // arranjo ou do Init). Sem bForcar, quem não mudou de lugar fica como está e quem
  // só andou não é redimensionado. No fim, o pai é invalidado com o fundo.
  void Reposiciona(bool bForcar);

 private:
  LAYOUT_CONTROLES* ProcuraId(int nID);
  LAYOUT_CONTROLES* ProcuraJanela(HWND hWnd);
  void Registra(int nID, HWND hWnd, UINT nAncoras, LPCRECT pRetangulo);
  // A área a arrumar: a cliente do pai e, num CScrollView, ao menos a de rolagem.
  CRect AreaDoPai() const;

  CList<LAYOUT_CONTROLES, LAYOUT_CONTROLES&> m_lista{10};
  CWnd* m_pPai = nullptr;
  CRect m_rectUltimo;
  bool m_bScrollView = false;
};
