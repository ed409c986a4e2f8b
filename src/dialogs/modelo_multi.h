// A moldura dos dois diálogos de seleção múltipla (311×140 unidades de diálogo): o
// grupo, a grade, o rótulo, o edit com a descrição ao lado, "Adicionar", "Remover",
// OK e Cancelar, com os identificadores e os textos de cada diálogo.
#pragma once

#include "vrmwnd/platform/gxwnd.h"
#include "vrmwnd/platform/resources.h"

namespace vrmwnd::dialogos {

struct TIdsMulti {
  const char* szTitulo;
  int nGrupo;
  const char* szGrupo;
  int nGrade;
  int nRotulo;
  const char* szRotulo;
  int nEdit, nDescricao, nAdicionar, nRemover;
};

inline DLGTEMPLATEDESC ModeloMulti(const TIdsMulti& m) {
  auto id = [](int n) { return static_cast<UINT>(n); };
  return DLGTEMPLATEDESC{
      m.szTitulo,
      0,
      0,
      311,
      140,
      DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU,
      {{id(m.nGrupo), "BUTTON", m.szGrupo, 4, 4, 303, 115, WS_VISIBLE | BS_GROUPBOX},
       {id(m.nGrade), CGXBrowserWnd::kClassName, "", 9, 16, 292, 61, WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_VSCROLL},
       {id(m.nRotulo), "STATIC", m.szRotulo, 9, 87, 64, 8, WS_VISIBLE | SS_LEFT},
       {id(m.nEdit), "EDIT", "", 75, 81, 60, 14, WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL},
       {id(m.nDescricao), "STATIC", "", 139, 87, 162, 8, WS_VISIBLE | SS_LEFT},
       {id(m.nAdicionar), "BUTTON", "&Adicionar", 197, 99, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON},
       {id(m.nRemover), "BUTTON", "&Remover", 251, 99, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON},
       {IDOK, "BUTTON", "OK", 204, 123, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON},
       {IDCANCEL, "BUTTON", "Cancelar", 258, 123, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON}}};
}

}  // namespace vrmwnd::dialogos
