// O profiler: configurações de log.ini relidas no intervalo, filtro de processos,
// os registros ENTROU, SAIU, COCREATE e ERRO, e o ponto de falha.
#include "vrmwnd/base/QZProfiler.h"

#include <cstdarg>
#include <map>
#include <string>

#include "vrmwnd/base/QZInstalacao.h"
#include "vrmwnd/base/QZResultado.h"
#include "vrmwnd/base/ganchos_teste.h"
#include "vrmwnd/platform/CException.h"
#include "vrmwnd/platform/process.h"
#include "vrmwnd/platform/profile.h"

namespace {

// Estado do processo: configurações, caminhos e versões guardados.
struct TEstadoProfiler {
  bool bEntrada = false, bSaida = false, bTrace = false, bCoCreateInstance = false;
  bool bPerformance = false, bMemory = false;
  CString strProcessos{"todos"};
  ULONGLONG nIntervalo = 600000;
  ULONGLONG nUltimaLeitura = 0;
  bool bLida = false;
  bool bCaminhos = false;
  CString strInstalacao, strArquivoRastro, strProcesso;
  bool bVersoes = false;
  CString strVersaoTarvo, strVersaoSO;
  std::map<std::string, CString> mapPastasEmpresas;
};

TEstadoProfiler g_estado;

void GuardaCaminhos() {
  if (g_estado.bCaminhos) return;
  g_estado.bCaminhos = true;
  g_estado.strInstalacao = QZDiretorioInstalacao();
  g_estado.strArquivoRastro = g_estado.strInstalacao + QZNomeArquivoProfiler(eQZEntrou, false, 0, 0);
  char szModulo[4096] = "";
  GetModuleFileNameA(nullptr, szModulo, sizeof szModulo);
  CString strModulo(szModulo);
  g_estado.strProcesso = strModulo.Mid(strModulo.ReverseFind('/') + 1);
  g_estado.strProcesso.MakeLower();
}

void LeConfiguracao() {
  GuardaCaminhos();
  const CString strIni = g_estado.strInstalacao + "log.ini";
  auto LeChave = [&strIni](const char* szChave) { return GetPrivateProfileIntA("Log", szChave, 0, strIni) == 1; };
  g_estado.bEntrada = LeChave("Entrada");
  g_estado.bSaida = LeChave("Saida");
  g_estado.bTrace = LeChave("Trace");
  g_estado.bCoCreateInstance = LeChave("CoCreateInstance");
  g_estado.bPerformance = LeChave("Performance");
  g_estado.bMemory = LeChave("Memory");
  g_estado.nIntervalo = static_cast<ULONGLONG>(GetPrivateProfileIntA("Log", "TimeoutConfig", 600, strIni)) * 1000;
  char szProcessos[261] = "";
  GetPrivateProfileStringA("Log", "Processos", "todos", szProcessos, sizeof szProcessos, strIni);
  g_estado.strProcessos = szProcessos;
  g_estado.strProcessos.MakeLower();
  g_estado.nUltimaLeitura = GetTickCount64();
  g_estado.bLida = true;
}

void ReleSeDevido() {
  const ULONGLONG nAgora = GetTickCount64();
  if (!g_estado.bLida || nAgora - g_estado.nUltimaLeitura > g_estado.nIntervalo) LeConfiguracao();
}

bool AtivoSemReler() {
  if ((g_estado.bPerformance || g_estado.bMemory) && !g_estado.bEntrada && !g_estado.bSaida) return false;
  return g_estado.bEntrada || g_estado.bSaida || g_estado.bCoCreateInstance;
}

bool FiltroAceita() {
  GuardaCaminhos();
  if (g_estado.strProcessos.Find("todos") >= 0) return true;
  int iPosicao = 0;
  for (CString strToken = g_estado.strProcessos.Tokenize(";, ", iPosicao); iPosicao >= 0;
       strToken = g_estado.strProcessos.Tokenize(";, ", iPosicao)) {
    if (!strToken.IsEmpty() && g_estado.strProcesso.Find(strToken) >= 0) return true;
  }
  return false;
}

CString UsuarioLocal() {
  char szUsuario[260] = "";
  DWORD dwTamanho = sizeof szUsuario;
  if (!GetUserNameA(szUsuario, &dwTamanho)) szUsuario[0] = '\0';
  return CString(szUsuario);
}

CString NovoGuid() {
  GUID guid{};
  char szTexto[40] = "";
  if (CoCreateGuid(&guid) != S_OK || StringFromGUID2A(guid, szTexto, sizeof szTexto) == 0) return CString(" ");
  return CString(szTexto + 1, 36);  // sem as chaves
}

ULONGLONG MemoriaPrivada() {
  PROCESS_MEMORY_COUNTERS_EX contadores{};
  if (!GetProcessMemoryInfo(GetCurrentProcess(), &contadores, sizeof contadores)) return 0;
  return contadores.PrivateUsage;
}

CString VersaoDoArquivo(const char* szArquivo) {
  DWORD dwHandle = 0;
  const DWORD dwTamanho = GetFileVersionInfoSizeA(szArquivo, &dwHandle);
  if (dwTamanho == 0) return CString();
  std::string bloco(dwTamanho, '\0');
  void* pInfo = nullptr;
  UINT nTamanho = 0;
  if (!GetFileVersionInfoA(szArquivo, dwHandle, dwTamanho, bloco.data()) ||
      !VerQueryValueA(bloco.data(), "\\", &pInfo, &nTamanho) || nTamanho < sizeof(VS_FIXEDFILEINFO))
    return CString();
  const auto* pFixo = static_cast<const VS_FIXEDFILEINFO*>(pInfo);
  if (pFixo->dwSignature != VS_FFI_SIGNATURE) return CString();
  CString strVersao;
  strVersao.Format("%d.%d.%d.%d", pFixo->dwFileVersionMS >> 16, pFixo->dwFileVersionMS & 0xFFFF,
                   pFixo->dwFileVersionLS >> 16, pFixo->dwFileVersionLS & 0xFFFF);
  return strVersao;
}

void GuardaVersoes() {
  if (g_estado.bVersoes) return;
  g_estado.bVersoes = true;
  char szModulo[4096] = "";
  GetModuleFileNameA(nullptr, szModulo, sizeof szModulo);
  g_estado.strVersaoTarvo = VersaoDoArquivo(szModulo);
  g_estado.strVersaoSO = VersaoDoArquivo("kernel32.dll");
}

CString PastaDaEmpresa(const CString& strEmpresa) {
  const std::string chave(strEmpresa.GetString());
  auto it = g_estado.mapPastasEmpresas.find(chave);
  if (it == g_estado.mapPastasEmpresas.end()) {
    CString strPasta = QZDiretorioEmpresa(strEmpresa);
    if (strPasta.IsEmpty()) strPasta = g_estado.strInstalacao;
    it = g_estado.mapPastasEmpresas.emplace(chave, strPasta).first;
  }
  return it->second;
}

// Grava o registro com a data e hora de agora, no arquivo do seu tipo.
void Grava(TQZRegistroProfiler& r, eQZTipoRegistro eTipo) {
  GuardaCaminhos();
  GetLocalTime(&r.stDataHora);
  CString strArquivo;
  if (eTipo == eQZErro) {
    const CString strEmpresa = r.pContexto ? r.pContexto->GetEmpresaProfiler() : CString();
    const bool bEmpresa = !strEmpresa.IsEmpty();
    strArquivo = (bEmpresa ? PastaDaEmpresa(strEmpresa) : g_estado.strInstalacao) +
                 QZNomeArquivoProfiler(eQZErro, bEmpresa, r.stDataHora.wYear, r.stDataHora.wMonth);
  } else {
    strArquivo = g_estado.strArquivoRastro;
  }
  const CString strLinha = QZFormataLinha(r, eTipo, QZAmbienteAtual());
  QZAnexaLinha(strArquivo, eTipo == eQZErro ? QZ_CABECALHO_ERROS : QZ_CABECALHO_RASTRO, strLinha);
}

}  // namespace

bool QZProfilerAtivo() {
  ReleSeDevido();
  return AtivoSemReler();
}

bool QZProfilerCoCreateAtivo() { return QZProfilerAtivo() && g_estado.bCoCreateInstance; }

CQZProfiler::CQZProfiler(const IQZDF_Profiler* pContexto) { m_registro.pContexto = pContexto; }

void CQZProfiler::Entra(const char* szClasseFuncao, std::initializer_list<TQZParametro> parametros) {
  try {
    m_registro.bEntrou = true;
    m_registro.strClasseFuncao = szClasseFuncao;
    int i = 0;
    for (const TQZParametro& p : parametros)
      if (i < QZ_PROFILER_PARAMETROS) m_registro.aParametros[i++] = p;
    if (!QZProfilerAtivo()) return;
    const ULONGLONG nTick = GetTickCount64();
    m_registro.strProcesso = g_estado.strProcesso;
    if (!FiltroAceita()) return;
    m_registro.strUsuarioLocal = UsuarioLocal();
    if (g_estado.bEntrada && g_estado.bSaida) m_registro.strGuid = NovoGuid();
    if (g_estado.bPerformance) m_registro.nTickInicial = nTick;
    if (g_estado.bMemory) m_registro.nMemoriaInicial = MemoriaPrivada();
    if (g_estado.bEntrada) Grava(m_registro, eQZEntrou);
  } catch (CException* e) {
    e->Delete();
  } catch (...) {
  }
}

CQZProfiler::~CQZProfiler() {
  if (!m_registro.bEntrou) return;
  m_registro.bEntrou = false;
  try {
    if (!AtivoSemReler() || !g_estado.bSaida || !FiltroAceita()) return;
    if (g_estado.bPerformance) m_registro.nTickFinal = GetTickCount64();
    if (g_estado.bMemory) m_registro.nMemoriaFinal = MemoriaPrivada();
    Grava(m_registro, eQZSaiu);
  } catch (CException* e) {
    e->Delete();
  } catch (...) {
  }
}

void QZProfilerCoCreate(const char* szClasseFuncao, const char* szProgID, const char* szModulo) {
  try {
    if (!QZProfilerCoCreateAtivo() || !FiltroAceita()) return;
    TQZRegistroProfiler r;
    r.aParametros[0] = {"ProgID", szProgID};
    r.aParametros[1] = {"Modulo", szModulo};
    r.strClasseFuncao = szClasseFuncao ? szClasseFuncao : "QZCoCreateInstance";
    r.strProcesso = g_estado.strProcesso;
    r.strUsuarioLocal = UsuarioLocal();
    r.strGuid = NovoGuid();
    Grava(r, eQZCoCreate);
  } catch (CException* e) {
    e->Delete();
  } catch (...) {
  }
}

void QZProfilerErro(const IQZDF_Profiler* pContexto, const char* szClasseFuncao, const char* szArquivo, int nLinha,
                    const char* szFormato, ...) {
  va_list argumentos;
  va_start(argumentos, szFormato);
  try {
    ReleSeDevido();
    TQZRegistroProfiler r;
    r.nMemoriaInicial = MemoriaPrivada();
    GuardaVersoes();
    CString strMensagem;
    try {
      strMensagem.FormatV(szFormato ? szFormato : "", argumentos);
    } catch (CException* e) {
      e->Delete();
      strMensagem = szFormato;
    }
    CString strLinha;
    strLinha.Format("%d", nLinha);
    r.aParametros[0] = {"VersaoTarvo", g_estado.strVersaoTarvo};
    r.aParametros[1] = {"VersaoSO", g_estado.strVersaoSO};
    r.aParametros[2] = {"Arquivo", szArquivo};
    r.aParametros[3] = {"Linha", strLinha};
    r.aParametros[4] = {"Log", strMensagem};
    r.pContexto = pContexto;
    r.strClasseFuncao = szClasseFuncao;
    r.strGuid = NovoGuid();
    GuardaCaminhos();
    r.strProcesso = g_estado.strProcesso;
    r.strUsuarioLocal = UsuarioLocal();
    Grava(r, eQZErro);
  } catch (CException* e) {
    e->Delete();
  } catch (...) {
  }
  va_end(argumentos);
}

CString QZClasseFuncao(const char* szAssinatura) {
  CString strTexto(szAssinatura);
  strTexto.Replace("{anonymous}::", "");
  const int iParentese = strTexto.Find('(');
  if (iParentese < 0) return strTexto;
  CString strAntes = strTexto.Left(iParentese);
  strAntes.TrimRight();
  return strAntes.Mid(strAntes.ReverseFind(' ') + 1);
}

HRESULT QZVerificaHR(HRESULT hr, eQZRegraFalha eRegra, const IQZDF_Profiler* pContexto, const char* szClasseFuncao,
                     const char* szArquivo, int nLinha, const char* szExpressao, const HRESULT* pToleradas) {
  const bool bFalhou = eRegra == eQZFalhaSeNegativo ? hr < 0 : hr != 0;
  if (!bFalhou) return hr;
  for (const HRESULT* p = pToleradas; p && static_cast<DWORD>(*p) != 0xFFFFFFFFu; ++p)
    if (*p == hr) return hr;
  try {
    CString strArquivo(szArquivo);
    const int iBarra = strArquivo.ReverseFind('/') > strArquivo.ReverseFind('\\') ? strArquivo.ReverseFind('/')
                                                                                  : strArquivo.ReverseFind('\\');
    strArquivo = strArquivo.Mid(iBarra + 1);
    const CString strTexto = QZTextoFalha(szExpressao, hr);
    QZProfilerErro(pContexto, QZClasseFuncao(szClasseFuncao), strArquivo, nLinha, "%s", strTexto.GetString());
  } catch (CException* e) {
    e->Delete();
  } catch (...) {
  }
  return hr;
}

void QZProfilerReinicia() { g_estado = TEstadoProfiler(); }
