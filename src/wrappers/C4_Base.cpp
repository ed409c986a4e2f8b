// A pilha da porta de eventos de CCanSendChangeEvents.
#include "vrmwnd/wrappers/C4_Base.h"

void CCanSendChangeEvents::CanSendChangeEvents_push(bool b) {
  m_pilha.AddTail(m_bCanSendChangeEvents);
  m_bCanSendChangeEvents = b;
}

void CCanSendChangeEvents::CanSendChangeEvents_pop() {
  if (!m_pilha.IsEmpty()) m_bCanSendChangeEvents = m_pilha.RemoveTail();
}

void CCanSendChangeEvents::CanSendChangeEvents_popALL(bool b) {
  m_pilha.RemoveAll();
  m_bCanSendChangeEvents = b;
}
