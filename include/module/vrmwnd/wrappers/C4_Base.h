// Base dos wrappers exportados: o indicador de modificado e o ponteiro da porta de
// eventos; o indicador de mudança lido e limpo (IsChanged) de alguns edits; e
// CCanSendChangeEvents, a porta do lado da tela, com a pilha de valores guardados.
// Enquanto a porta aponta para false, os wrappers não passam ao pai as notificações
// de mudança e de foco (mas marcam o modificado e a mudança). A porta cala só os
// wrappers C4_: um controle da suíte usado direto (um edit de consulta cujo
// SetPonteiro roda em OnInitDialog, por exemplo) notifica o diálogo de qualquer modo.
#pragma once

#include "vrmwnd/platform/CList.h"
#include "vrmwnd/util/exporta.h"

class VRMWND_API C4_Base {
 public:
  C4_Base() = default;
  C4_Base(const C4_Base&) = default;
  // Copia os dois campos; o ponteiro é compartilhado, não duplicado.
  C4_Base& operator=(const C4_Base&) = default;

  // nullptr: os eventos sempre passam.
  void SetCanSendChangeEvents(bool* pbCanSendChangeEvents) { m_pbCanSendChangeEvents = pbCanSendChangeEvents; }
  // Verdadeiro só quando há porta e ela está fechada (false).
  bool CanotSendChangeEvents() const { return m_pbCanSendChangeEvents != nullptr && !*m_pbCanSendChangeEvents; }
  void Set_C4_Modify(int nModify) { m_nC4_Modify = nModify; }
  int Get_C4_Modify() const { return m_nC4_Modify; }

  bool* m_pbCanSendChangeEvents = nullptr;
  int m_nC4_Modify = 0;
};

// O indicador de mudança dos edits que o têm (C4_CPedeContaEx,
// C4_CPedeContaExComGerencial, C4_CTabPrecoEdit), terceira base do wrapper: cada
// EN_CHANGE o reescreve com "o texto mudou de fato e a porta estava aberta"
// (FiltraMudancaDeTexto), e IsChanged() o lê e o limpa.
class VRMWND_API C4_IndicadorMudanca {
 public:
  // Devolve m_bChanged e o deixa false: uma segunda leitura sem mudança nova dá false.
  bool IsChanged() {
    const bool bChanged = m_bChanged;
    m_bChanged = false;
    return bChanged;
  }

 protected:
  bool m_bChanged = false;
};

class VRMWND_API CCanSendChangeEvents {
 public:
  CCanSendChangeEvents() : m_pilha(10) {}
  virtual ~CCanSendChangeEvents() = default;

  // Guarda o valor atual no topo da pilha e passa a b.
  void CanSendChangeEvents_push(bool b);
  // Volta ao valor do topo; com a pilha vazia nada muda.
  void CanSendChangeEvents_pop();
  // Esvazia a pilha e passa a b.
  void CanSendChangeEvents_popALL(bool b);

  // Começa fechada: os controles ficam calados até a tela abrir a porta.
  bool m_bCanSendChangeEvents = false;
  CList<bool, const bool&> m_pilha;
};
