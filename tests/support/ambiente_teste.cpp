// A pasta VRMWND_HOME temporária, o relógio fixo e o apresentador de caixas.
#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "ambiente_teste.h"

CHomeTemporaria::CHomeTemporaria() {
  if (const char* sz = std::getenv("VRMWND_HOME")) {
    m_bTinhaAnterior = true;
    m_strAnterior = sz;
  }
  std::string strModelo = (std::filesystem::temp_directory_path() / "vrmwnd-teste-XXXXXX").string();
  if (::mkdtemp(strModelo.data()) == nullptr) {
    // Sem pasta própria o teste cairia na casa do usuário: melhor não rodar.
    std::perror(strModelo.c_str());
    std::abort();
  }
  m_strPasta = strModelo;
  ::setenv("VRMWND_HOME", m_strPasta.c_str(), 1);
}

CHomeTemporaria::~CHomeTemporaria() {
  if (m_bTinhaAnterior)
    ::setenv("VRMWND_HOME", m_strAnterior.c_str(), 1);
  else
    ::unsetenv("VRMWND_HOME");
  std::error_code erro;
  std::filesystem::permissions(m_strPasta, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, erro);
  for (const auto& entrada : std::filesystem::recursive_directory_iterator(m_strPasta, erro))
    std::filesystem::permissions(entrada.path(), std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                 erro);
  std::filesystem::remove_all(m_strPasta, erro);
}

std::string CHomeTemporaria::CriaSubpasta(const std::string& strNome) const {
  const std::string strCaminho = Caminho(strNome);
  std::filesystem::create_directories(strCaminho);
  return strCaminho;
}

CApresentadorTeste::CApresentadorTeste(int nResposta)
    : m_nResposta(nResposta), m_pAnterior(SetMessageBoxPresenter(this)) {}

CApresentadorTeste::~CApresentadorTeste() { SetMessageBoxPresenter(m_pAnterior); }

int CApresentadorTeste::Present(HWND owner, const char* text, const char* caption, UINT flags) {
  m_caixas.push_back({owner, text, caption, flags});
  return m_nResposta;
}

CRelogioFixo::CRelogioFixo(int nAno, int nMes, int nDia, int nHora, int nMinuto, int nSegundo, int nMilissegundo,
                           ULONGLONG nTick) {
  SYSTEMTIME st{};
  st.wYear = static_cast<WORD>(nAno);
  st.wMonth = static_cast<WORD>(nMes);
  st.wDay = static_cast<WORD>(nDia);
  st.wHour = static_cast<WORD>(nHora);
  st.wMinute = static_cast<WORD>(nMinuto);
  st.wSecond = static_cast<WORD>(nSegundo);
  st.wMilliseconds = static_cast<WORD>(nMilissegundo);
  FixPlatformClock(st, nTick);
}

std::string LeArquivo(const std::string& strCaminho) {
  std::ifstream arquivo(strCaminho, std::ios::binary);
  std::ostringstream texto;
  texto << arquivo.rdbuf();
  return texto.str();
}

void EscreveArquivo(const std::string& strCaminho, const std::string& strTexto) {
  std::ofstream arquivo(strCaminho, std::ios::binary | std::ios::trunc);
  arquivo << strTexto;
}

std::string EsperaArquivo(const std::string& strCaminho, const std::function<bool(const std::string&)>& fPronto,
                          int nSegundos) {
  const auto prazo = std::chrono::steady_clock::now() + std::chrono::seconds(nSegundos);
  std::string strTexto = LeArquivo(strCaminho);
  while (!fPronto(strTexto) && std::chrono::steady_clock::now() < prazo) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    strTexto = LeArquivo(strCaminho);
  }
  return strTexto;
}
