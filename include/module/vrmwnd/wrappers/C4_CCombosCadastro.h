// Wrappers exportados dos combos de cadastro: a regra de combo (C4_regras_combo.h),
// pelo texto da janela ou, nos de índice e de origem, pelo código da linha (GetText);
// a escolha do leiaute pelo CRC-32 do seu nome; a troca de modelo de documento que
// mantém a base de cálculo escolhida; e a aba das telas que se redimensionam.
#pragma once

#include <cstddef>

#include "vrmwnd/suite/edits/CComboCadastro.h"
#include "vrmwnd/suite/grade/CQZTabCtrl.h"
#include "vrmwnd/util/exporta.h"
#include "vrmwnd/wrappers/C4_Base.h"
#include "vrmwnd/wrappers/C4_regras_combo.h"

class VRMWND_API C4_CDFComboLeiautes : public CDFComboLeiautes, public C4_Base {
 public:
  // Seleciona o primeiro item cujo texto tem o CRC-32 dado (polinômio IEEE refletido,
  // valor inicial 0, sem inversão no fim, sobre os bytes do texto em UTF-8); sem
  // nenhum, tira a seleção. Devolve o resultado de CB_SETCURSEL (CB_ERR sem seleção).
  int SelecionaLeiauteCRC(unsigned long lCRC);

  C4_COMBO_DECLARA_MUDANCAS()
};

class VRMWND_API C4_CComboBaseCalculoCredito : public CComboBaseCalculoCredito, public C4_Base {
 public:
  // Troca o modelo (a lista se refaz) e seleciona de novo o texto que estava
  // selecionado, quando ele continua na lista.
  void SetModeloDocumentoEx(CString strModelo);

  C4_COMBO_DECLARA_MUDANCAS()
};

// O instantâneo é o código da linha (GetText), não o texto mostrado.
class VRMWND_API C4_CComboIndice : public CComboIndice, public C4_Base {
  C4_COMBO_DECLARA_MUDANCAS()
};

class VRMWND_API C4_CComboOrigem : public CComboOrigem, public C4_Base {
  C4_COMBO_DECLARA_MUDANCAS()
};

class VRMWND_API C4_CComboTipoIncidenciaPISCOFINS : public CComboTipoIncidenciaPISCOFINS, public C4_Base {
  C4_COMBO_DECLARA_MUDANCAS()
};

class VRMWND_API C4_CComboTipoPeriodo : public CComboTipoPeriodo, public C4_Base {
  C4_COMBO_DECLARA_MUDANCAS()
};

class VRMWND_API C4_CComboVencimento : public CComboVencimento, public C4_Base {
 public:
  unsigned short GetPonteiro() const;

  C4_COMBO_DECLARA_MUDANCAS()
};

class VRMWND_API C4_CEstadoCombo : public CEstadoCombo, public C4_Base {
  C4_COMBO_DECLARA_MUDANCAS()
};

class VRMWND_API C4_CTipoDoctoCombo : public CTipoDoctoCombo, public C4_Base {
 public:
  unsigned short GetPonteiro() const;

  C4_COMBO_DECLARA_MUDANCAS()
};

// A aba sem porta, sem instantâneo e sem tratadores: só a aba da suíte exportada.
class VRMWND_API C4_CQZTabCtrl : public CQZTabCtrlOnSize {};

// O CRC-32 de SelecionaLeiauteCRC sobre nBytes bytes.
VRMWND_API unsigned long CRC32Leiaute(const char* pBytes, std::size_t nBytes);
