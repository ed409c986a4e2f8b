// Os edits de seleção múltipla exportados: C4_CMultiCFOPEx (naturezas de operação,
// chaves de 16 bits) e C4_CMultiPedeContaEx (contas, chaves de 32 bits). Uma chave só
// é a posição comum do edit; nenhuma ou várias ficam guardadas na lista, o edit fica
// vazio e, com duas ou mais, desabilitado com "Várias" no static. F2 e o botão de
// consulta abrem o diálogo de seleção múltipla (CriaTela) no lugar da lista.
#pragma once

#include "vrmwnd/base/T_Lista.h"
#include "vrmwnd/wrappers/C4_CEditsCadastro.h"

// A regra das duas classes sobre o wrapper de uma chave só (TBase) e o tipo da chave.
template <class TBase, class TChave>
class C4_CMultiSelecao : public TBase {
 public:
  // Uma chave vira a posição do edit (e a lista guardada fica vazia); nenhuma ou
  // várias limpam a posição e ficam guardadas. Depois, o static se refaz e o edit
  // fica habilitado só com até uma chave.
  void SetListaPosicao(const T_Lista<TChave>& lista) {
    m_lista.RemoveAll();
    if (lista.GetSize() == 1) {
      TBase::SetPosicao(lista[0]);
    } else {
      TBase::SetPosicao(TChave{0});
      m_lista.Copy(lista);
    }
    this->SetStaticText();
    if (this->m_hWnd) this->EnableWindow(m_lista.GetSize() <= 1);
  }
  // A lista guardada; sem ela, a chave do edit (lista vazia com o edit vazio).
  T_Lista<TChave> GetListaPosicao() {
    T_Lista<TChave> lista;
    if (m_lista.GetSize() > 0) {
      lista.Copy(m_lista);
    } else if (const TChave chave = TBase::GetPonteiro(); chave != 0) {
      lista.Add(chave);
    }
    return lista;
  }
  // "Várias" de duas chaves em diante; antes, o static do edit.
  CString GetStaticText() override { return m_lista.GetSize() >= 2 ? CString("Várias") : TBase::GetStaticText(); }
  // O botão de consulta segue habilitado com várias chaves (o edit não): é por ele
  // que a pessoa muda a seleção.
  void OnEnableBtnConsulta(BOOL bHabilita) override { TBase::OnEnableBtnConsulta(bHabilita || m_lista.GetSize() >= 2); }
  // Um texto posto por programa é uma chave só: a lista guardada deixa de valer.
  void SetText(const char* szTexto) override {
    if (szTexto != nullptr && *szTexto != '\0') m_lista.RemoveAll();
    TBase::SetText(szTexto);
  }

 private:
  using TBase::GetPonteiro;
  using TBase::SetPosicao;
  T_Lista<TChave> m_lista;
};

class VRMWND_API C4_CMultiCFOPEx : public C4_CMultiSelecao<C4_CNaturezaEdit, unsigned short> {
 public:
  C4_CMultiCFOPEx() { EnableConsultaMultipla(&CriaTela); }
  // Abre a relação de CFOPs com a filial e a lista do edit (pEdit, um C4_CMultiCFOPEx)
  // e, no OK, põe nele a lista montada. Devolve IDOK ou IDCANCEL (IDCANCEL também
  // para outro edit).
  static long CriaTela(CBaseEditExDF* pEdit, long lReservado);
};

class VRMWND_API C4_CMultiPedeContaEx : public C4_CMultiSelecao<C4_CPedeContaEx, unsigned long> {
 public:
  C4_CMultiPedeContaEx() { EnableConsultaMultipla(&CriaTela); }
  // Abre a relação de contas com o plano, a característica, as letras de tipo e a
  // lista do edit e, no OK, põe nele a lista montada. IDOK ou IDCANCEL.
  static long CriaTela(CBaseEditExDF* pEdit, long lReservado);
};
