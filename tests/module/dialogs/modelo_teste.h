// Apoio dos testes dos diálogos do módulo: confere a janela aberta contra o modelo
// esperado, controle a controle, na ordem de tabulação (identificador, classe,
// retângulo em unidades de diálogo, estilo e texto), e o tamanho da área cliente; num
// diálogo redimensionável, a alça que ele cria depois dos controles do modelo.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "vrmwnd/platform/afxwin.h"

struct TControleEsperado {
  int nId;
  const char* szClasse;
  RECT rDlu;       // esquerda, topo, direita, baixo em unidades de diálogo
  DWORD dwEstilo;  // sem WS_CHILD e sem WS_DISABLED (o estado de habilitado é à parte)
  const char* szTexto;
};

inline std::string ClasseMaiuscula(HWND h) {
  char szClasse[64] = "";
  GetClassNameA(h, szClasse, sizeof szClasse);
  std::string s = szClasse;
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

// A alça de redimensionar: a última filha, uma barra de rolagem SBS_SIZEGRIP sem
// identificador, de texto "size", no quadrado de uma barra de rolagem no canto.
inline void ConfereAlca(HWND hDialogo, HWND hAlca) {
  SCOPED_TRACE("alça");
  ASSERT_NE(hAlca, nullptr);
  EXPECT_EQ(GetWindow(hAlca, GW_HWNDNEXT), nullptr) << "atrás de todos os controles";
  EXPECT_EQ(GetDlgCtrlID(hAlca), 0);
  EXPECT_EQ(ClasseMaiuscula(hAlca), "SCROLLBAR");
  EXPECT_EQ(static_cast<DWORD>(GetWindowLong(hAlca, GWL_STYLE)), 0x54000010u) << std::hex << "estilo";
  CString strTexto;
  CWnd::FromHandle(hAlca)->GetWindowText(strTexto);
  EXPECT_EQ(strTexto, "size");
  RECT rCliente{}, rAlca{};
  GetClientRect(hDialogo, &rCliente);
  GetWindowRect(hAlca, &rAlca);
  POINT p{rAlca.right, rAlca.bottom};
  ScreenToClient(hDialogo, &p);
  EXPECT_EQ(p.x, rCliente.right);
  EXPECT_EQ(p.y, rCliente.bottom);
  EXPECT_EQ(rAlca.right - rAlca.left, GetSystemMetrics(SM_CXVSCROLL));
  EXPECT_EQ(rAlca.bottom - rAlca.top, GetSystemMetrics(SM_CYHSCROLL));
}

inline void ConfereModelo(HWND hDialogo, const char* szTitulo, int cxDlu, int cyDlu,
                          const std::vector<TControleEsperado>& esperados, bool bComAlca = false) {
  CString strTitulo;
  CWnd::FromHandle(hDialogo)->GetWindowText(strTitulo);
  EXPECT_EQ(strTitulo, szTitulo);
  RECT rCliente{}, rEsperado{0, 0, cxDlu, cyDlu};
  GetClientRect(hDialogo, &rCliente);
  MapDialogRect(hDialogo, &rEsperado);
  EXPECT_EQ(rCliente.right, rEsperado.right) << "largura";
  EXPECT_EQ(rCliente.bottom, rEsperado.bottom) << "altura";
  std::size_t i = 0;
  for (HWND h = GetWindow(hDialogo, GW_CHILD); h != nullptr; h = GetWindow(h, GW_HWNDNEXT), ++i) {
    if (bComAlca && i == esperados.size()) {
      ConfereAlca(hDialogo, h);
      continue;
    }
    if (i >= esperados.size()) {
      ADD_FAILURE() << "controle a mais: " << GetDlgCtrlID(h);
      continue;
    }
    const TControleEsperado& e = esperados[i];
    SCOPED_TRACE(testing::Message() << "controle " << e.nId);
    EXPECT_EQ(GetDlgCtrlID(h), e.nId);
    EXPECT_EQ(ClasseMaiuscula(h), e.szClasse);
    RECT rDlu = e.rDlu, rJanela{};
    MapDialogRect(hDialogo, &rDlu);
    GetWindowRect(h, &rJanela);
    POINT p{rJanela.left, rJanela.top};
    ScreenToClient(hDialogo, &p);
    EXPECT_EQ(p.x, rDlu.left);
    EXPECT_EQ(p.y, rDlu.top);
    EXPECT_EQ(rJanela.right - rJanela.left, rDlu.right - rDlu.left);
    EXPECT_EQ(rJanela.bottom - rJanela.top, rDlu.bottom - rDlu.top);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLong(h, GWL_STYLE)) & ~(WS_CHILD | WS_DISABLED), e.dwEstilo)
        << std::hex << "estilo";
    CString strTexto;
    CWnd::FromHandle(h)->GetWindowText(strTexto);
    EXPECT_EQ(strTexto, e.szTexto);
  }
  EXPECT_EQ(i, esperados.size() + (bComAlca ? 1 : 0)) << "controles a menos";
}
