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

void CliqueNoItem(HWND hCombo, const char* szItem) {
  LRESULT nItem = SendMessageA(hCombo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(szItem));
  if (nItem == CB_ERR) {
    ADD_FAILURE() << "o combo não tem o item \"" << szItem << "\"";
    return;
  }
  COMBOBOXINFO info{sizeof info, nullptr, nullptr, nullptr};
  GetComboBoxInfo(hCombo, &info);
  int nAltura = static_cast<int>(SendMessageA(hCombo, CB_GETITEMHEIGHT, 0, 0));
  InputClick(hCombo);
  InputClick(info.hwndList, 1, static_cast<int>(nItem) * nAltura + 1);
}

HWND ItemDoDialogo(HWND hDialogo, int nId) {
  HWND h = GetDlgItem(hDialogo, nId);
  if (h == nullptr) ADD_FAILURE() << "o diálogo não tem o controle " << nId;
  return h;
}

}  // namespace

std::string NomeDaNotificacao(HWND hControle, UINT nCodigo) {
  static const std::vector<std::pair<UINT, const char*>> kEdit = {
      {EN_SETFOCUS, "EN_SETFOCUS"}, {EN_KILLFOCUS, "EN_KILLFOCUS"}, {EN_CHANGE, "EN_CHANGE"},
      {EN_UPDATE, "EN_UPDATE"},     {EN_MAXTEXT, "EN_MAXTEXT"}};
  static const std::vector<std::pair<UINT, const char*>> kCombo = {
      {CBN_SELCHANGE, "CBN_SELCHANGE"},   {CBN_SETFOCUS, "CBN_SETFOCUS"},
      {CBN_KILLFOCUS, "CBN_KILLFOCUS"},   {CBN_EDITCHANGE, "CBN_EDITCHANGE"},
      {CBN_EDITUPDATE, "CBN_EDITUPDATE"}, {CBN_DROPDOWN, "CBN_DROPDOWN"},
      {CBN_CLOSEUP, "CBN_CLOSEUP"},       {CBN_SELENDOK, "CBN_SELENDOK"},
      {CBN_SELENDCANCEL, "CBN_SELENDCANCEL"}};
  static const std::vector<std::pair<UINT, const char*>> kButton = {{BN_CLICKED, "BN_CLICKED"}};
  std::string strClasse = ClasseDe(hControle);
  const auto& tabela = strClasse == "EDIT" ? kEdit : strClasse == "COMBOBOX" ? kCombo : kButton;
  for (const auto& [nValor, szNome] : tabela)
    if (nValor == nCodigo) return szNome;
  return strClasse + ":" + std::to_string(nCodigo);
}

std::ostream& operator<<(std::ostream& os, const TNotificacao& n) {
  return os << n.nId << "/" << n.strCodigo;
}

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
    m_recebidas.push_back({static_cast<int>(nID), NomeDaNotificacao(hControle, static_cast<UINT>(nCode) & 0xFFFF),
                           TextoDe(hControle)});
    if (m_aoReceber) m_aoReceber(m_recebidas.back());
  }
  return CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

CRoteiro& CRoteiro::Digita(int nId, const char* szTexto) {
  std::string strTexto = szTexto;
  m_passos.push_back([nId, strTexto](HWND hDialogo) {
    if (HWND h = ItemDoDialogo(hDialogo, nId)) {
      InputClick(h);
      InputText(strTexto.c_str());
    }
  });
  return *this;
}

CRoteiro& CRoteiro::Tecla(int nTecla, std::initializer_list<int> modificadores) {
  std::vector<int> mods(modificadores);
  m_passos.push_back([nTecla, mods](HWND) {
    switch (mods.size()) {
      case 0: InputKey(nTecla); break;
      case 1: InputKey(nTecla, {mods[0]}); break;
      default: InputKey(nTecla, {mods[0], mods[1]}); break;
    }
  });
  return *this;
}

CRoteiro& CRoteiro::Escreve(const char* szTexto) {
  std::string strTexto = szTexto;
  m_passos.push_back([strTexto](HWND) { InputText(strTexto.c_str()); });
  return *this;
}

CRoteiro& CRoteiro::Clica(int nId) {
  m_passos.push_back([nId](HWND hDialogo) {
    if (HWND h = ItemDoDialogo(hDialogo, nId)) InputClick(h);
  });
  return *this;
}

CRoteiro& CRoteiro::Escolhe(int nId, const char* szItem) {
  std::string strItem = szItem;
  m_passos.push_back([nId, strItem](HWND hDialogo) {
    if (HWND h = ItemDoDialogo(hDialogo, nId)) CliqueNoItem(h, strItem.c_str());
  });
  return *this;
}

CRoteiro& CRoteiro::Confere(std::function<void(HWND)> fn) {
  m_passos.push_back(std::move(fn));
  return *this;
}

CUsuarioRoteirizado::CUsuarioRoteirizado() { m_pAnterior = SetUserAgent(this); }
CUsuarioRoteirizado::~CUsuarioRoteirizado() {
  SetUserAgent(m_pAnterior);
  for (const auto& r : m_roteiros)
    EXPECT_EQ(r->m_nProximo, r->m_passos.size()) << "roteiro de \"" << r->m_strTitulo << "\" não foi até o fim";
}

CRoteiro& CUsuarioRoteirizado::QuandoAbrir(const char* szTitulo) {
  m_roteiros.push_back(std::make_unique<CRoteiro>());
  m_roteiros.back()->m_strTitulo = szTitulo;
  return *m_roteiros.back();
}

bool CUsuarioRoteirizado::Act(HWND hwndModal) {
  if (hwndModal == nullptr) return false;
  std::string strTitulo = TextoDe(hwndModal);
  if (hwndModal != m_hUltimo) {
    m_hUltimo = hwndModal;
    m_abertos.push_back(strTitulo);
  }
  for (auto& r : m_roteiros) {
    if (r->m_strTitulo != strTitulo || r->m_nProximo >= r->m_passos.size()) continue;
    r->m_passos[r->m_nProximo++](hwndModal);
    return true;
  }
  ADD_FAILURE() << "o diálogo \"" << strTitulo << "\" ficou esperando e o roteiro não tem mais passos";
  return false;
}

void CUsuarioRoteirizado::ProcessaFila() {
  while (AfxPumpMessage()) {
  }
}

void CUsuarioRoteirizado::Digita(CWnd& controle, const char* szTexto) {
  InputClick(controle.m_hWnd);
  InputText(szTexto);
  ProcessaFila();
}

void CUsuarioRoteirizado::Tecla(int nTecla, std::initializer_list<int> modificadores) {
  InputKey(nTecla, modificadores);
  ProcessaFila();
}

void CUsuarioRoteirizado::Clica(CWnd& controle) {
  InputClick(controle.m_hWnd);
  ProcessaFila();
}

void CUsuarioRoteirizado::Escolhe(CWnd& combo, const char* szItem) {
  CliqueNoItem(combo.m_hWnd, szItem);
  ProcessaFila();
}
