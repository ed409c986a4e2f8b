// A janela-pai gravadora e o usuário roteirizado dos testes de janelas.
#include "janelas_teste.h"

#include <gtest/gtest.h>

namespace {

std::string ClasseDe(HWND h) {
  char szClasse[64] = "";
  GetClassNameA(h, szClasse, sizeof szClasse);
  std::string str = szClasse;
  for (char& c : str) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return str;
}

std::string TextoDe(HWND h) {
  CString str;
  CWnd::FromHandle(h)->GetWindowText(str);
  return str.GetString();
}

}  // namespace

std::string NomeDaNotificacao(HWND hControle, UINT nCodigo) {
  static const std::vector<std::pair<UINT, const char*>> kEdit = {{EN_SETFOCUS, "EN_SETFOCUS"},
                                                                  {EN_KILLFOCUS, "EN_KILLFOCUS"},
                                                                  {EN_CHANGE, "EN_CHANGE"},
                                                                  {EN_UPDATE, "EN_UPDATE"},
                                                                  {EN_MAXTEXT, "EN_MAXTEXT"}};
  static const std::vector<std::pair<UINT, const char*>> kCombo = {
      {CBN_SELCHANGE, "CBN_SELCHANGE"},   {CBN_SETFOCUS, "CBN_SETFOCUS"},     {CBN_KILLFOCUS, "CBN_KILLFOCUS"},
      {CBN_EDITCHANGE, "CBN_EDITCHANGE"}, {CBN_EDITUPDATE, "CBN_EDITUPDATE"}, {CBN_DROPDOWN, "CBN_DROPDOWN"},
      {CBN_CLOSEUP, "CBN_CLOSEUP"},       {CBN_SELENDOK, "CBN_SELENDOK"},     {CBN_SELENDCANCEL, "CBN_SELENDCANCEL"}};
  static const std::vector<std::pair<UINT, const char*>> kButton = {{BN_CLICKED, "BN_CLICKED"}};
  std::string strClasse = ClasseDe(hControle);
  const auto& tabela = strClasse == "EDIT" ? kEdit : strClasse == "COMBOBOX" ? kCombo : kButton;
  for (const auto& [nValor, szNome] : tabela)
    if (nValor == nCodigo) return szNome;
  return strClasse + ":" + std::to_string(nCodigo);
}

std::ostream& operator<<(std::ostream& os, const TNotificacao& n) { return os << n.nId << "/" << n.strCodigo; }

CPaiGravador::CPaiGravador() {
  CreateEx(0, nullptr, "Pai", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 600, 400), nullptr, 0);
}

CPaiGravador::~CPaiGravador() { DestroyWindow(); }

std::vector<std::string> CPaiGravador::Codigos() const {
  std::vector<std::string> codigos;
  for (const auto& n : m_recebidas) codigos.push_back(n.strCodigo);
  return codigos;
}

BOOL CPaiGravador::OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) {
  HWND hControle = ::GetDlgItem(m_hWnd, static_cast<int>(nID));
  if (hControle != nullptr) {
    m_recebidas.push_back(
        {static_cast<int>(nID), NomeDaNotificacao(hControle, static_cast<UINT>(nCode) & 0xFFFF), TextoDe(hControle)});
    if (m_aoReceber) m_aoReceber(m_recebidas.back());
  }
  return CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

CUsuarioRoteirizado::CUsuarioRoteirizado()
    : m_usuario([](const std::string& strFalha) { ADD_FAILURE() << "usuário roteirizado: " << strFalha; }) {}

CRoteiro& CUsuarioRoteirizado::QuandoAbrir(const char* szTitulo) {
  m_roteiros.push_back(std::make_unique<CRoteiro>(m_usuario.WhenOpened(szTitulo)));
  return *m_roteiros.back();
}

std::vector<std::string> LinhasDaGrade(CGXGridCore* pGrade) {
  if (pGrade == nullptr) return {"(sem grade)"};
  std::vector<std::string> linhas;
  for (ROWCOL r = 1; r <= pGrade->GetRowCount(); ++r) {
    std::string s;
    for (ROWCOL c = 1; c <= pGrade->GetColCount(); ++c) {
      if (c > 1) s += '|';
      s += pGrade->GetValueRowCol(r, c).GetString();
    }
    linhas.push_back(s);
  }
  return linhas;
}

std::vector<std::string> ItensDoCombo(const CComboBox& combo) {
  std::vector<std::string> itens;
  for (int i = 0; i < combo.GetCount(); ++i) {
    CString s;
    combo.GetLBText(i, s);
    itens.push_back(s.GetString());
  }
  return itens;
}
