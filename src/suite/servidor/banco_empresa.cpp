// O banco da empresa sobre SQLite: abertura por nome no diretório das empresas ou
// registro na memória, roteiros de criação, comandos preparados guardados por texto.
#include "vrmwnd/suite/servidor/banco_empresa.h"

#include <cstring>
#include <filesystem>
#include <mutex>
#include <unordered_map>

#include "atualiza_esquema.h"
#include "banco_impl.h"
#include "vrmwnd/base/QZInstalacao.h"
#include "vrmwnd/platform/home.h"
#include "vrmwnd/platform/registry.h"
#include "vrmwnd/suite/servidor/criacao_empresa.h"
#include "vrmwnd/suite/servidor/resultados.h"

namespace vrmsuite {

CQZBancoEmpresa::TImpl::~TImpl() {
  for (auto& [strSql, guardado] : mapComandos) sqlite3_finalize(guardado.pComando);
  sqlite3_close(pBanco);
}

CQZBancoEmpresa::CQZBancoEmpresa(std::unique_ptr<TImpl> pImpl) : m_pImpl(std::move(pImpl)) {}
CQZBancoEmpresa::~CQZBancoEmpresa() = default;

namespace {
std::shared_ptr<CQZBancoEmpresa> Abre(const char* szArquivo, int nModo, std::string& strErro) {
  auto pImpl = std::make_unique<CQZBancoEmpresa::TImpl>();
  int rc = sqlite3_open_v2(szArquivo, &pImpl->pBanco, nModo, nullptr);
  if (rc != SQLITE_OK) {
    strErro = std::string("não foi possível abrir o banco \"") + szArquivo +
              "\": " + (pImpl->pBanco ? sqlite3_errmsg(pImpl->pBanco) : sqlite3_errstr(rc));
    return nullptr;
  }
  sqlite3_busy_timeout(pImpl->pBanco, 10000);  // outro processo pode estar gravando
  return std::make_shared<CQZBancoEmpresa>(std::move(pImpl));
}
}  // namespace

std::shared_ptr<CQZBancoEmpresa> CQZBancoEmpresa::NaMemoria() {
  std::string strErro;
  return Abre(":memory:", SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, strErro);
}

std::shared_ptr<CQZBancoEmpresa> CQZBancoEmpresa::AbreArquivo(const std::string& strArquivo, bool bCria,
                                                              std::string& strErro) {
  int nModo = SQLITE_OPEN_READWRITE | (bCria ? SQLITE_OPEN_CREATE : 0);
  return Abre(strArquivo.c_str(), nModo, strErro);
}

HRESULT CQZBancoEmpresa::ExecutaRoteiro(const char* szSql, std::string& strErro) {
  m_pImpl->registrosGuardados.clear();  // um roteiro pode gravar qualquer tabela
  char* szErro = nullptr;
  if (sqlite3_exec(m_pImpl->pBanco, szSql, nullptr, nullptr, &szErro) == SQLITE_OK) return S_OK;
  strErro = std::string("roteiro SQL falhou: ") + (szErro ? szErro : "?");
  sqlite3_free(szErro);
  return QZ_E_BANCO_DE_DADOS;
}

CComando::CComando(CQZBancoEmpresa& banco, const char* szSql) : m_pImpl(&banco.Impl()), m_pBanco(banco.Impl().pBanco) {
  auto& mapa = m_pImpl->mapComandos;
  auto it = mapa.find(std::string_view(szSql));
  if (it == mapa.end()) {
    sqlite3_stmt* pComando = nullptr;
    if (sqlite3_prepare_v2(m_pBanco, szSql, -1, &pComando, nullptr) != SQLITE_OK) {
      m_strErro = std::string("comando inválido para o banco: ") + sqlite3_errmsg(m_pBanco);
      return;
    }
    it = mapa.emplace(szSql, TComandoGuardado{pComando, sqlite3_stmt_readonly(pComando) != 0, {}}).first;
  }
  m_pGuardado = &it->second;
  m_pComando = m_pGuardado->pComando;
}

const TMapaColunas& CComando::Mapa(const TCampoLayout* pCampos, std::size_t nCampos) {
  static const TMapaColunas kSemComando;
  if (m_pGuardado == nullptr) return kSemComando;
  const int nPreparos = sqlite3_stmt_status(m_pComando, SQLITE_STMTSTATUS_REPREPARE, 0);
  for (TMapaColunas& mapa : m_pGuardado->mapas) {
    if (mapa.pCampos != pCampos) continue;
    if (mapa.nPreparos != nPreparos) mapa = MapeiaColunas(m_pComando, pCampos, nCampos);
    return mapa;
  }
  return m_pGuardado->mapas.emplace_back(MapeiaColunas(m_pComando, pCampos, nCampos));
}

CComando::~CComando() {
  if (m_pComando == nullptr) return;
  sqlite3_reset(m_pComando);
  sqlite3_clear_bindings(m_pComando);
}

CComando& CComando::Liga(int nParametro, long long llValor) {
  if (m_pComando) sqlite3_bind_int64(m_pComando, nParametro, llValor);
  return *this;
}

CComando& CComando::Liga(int nParametro, const char* szValor) {
  if (m_pComando) sqlite3_bind_text(m_pComando, nParametro, szValor, -1, SQLITE_TRANSIENT);
  return *this;
}

bool CComando::LeGuardado(const TCampoLayout* pCampos, long long llChave, BYTE* pDestino, std::size_t nTamanho) {
  if (m_pGuardado == nullptr || !m_pImpl->GuardaValendo()) return false;
  const auto it = m_pImpl->registrosGuardados.find({m_pGuardado, pCampos, llChave});
  if (it == m_pImpl->registrosGuardados.end() || it->second.size() != nTamanho) return false;
  if (nTamanho > 0) std::memcpy(pDestino, it->second.data(), nTamanho);
  return true;
}

void CComando::Guarda(const TCampoLayout* pCampos, std::size_t nCampos, long long llChave, const BYTE* pOrigem,
                      std::size_t nTamanho) {
  if (m_pGuardado == nullptr || !m_pImpl->GuardaValendo()) return;
  if (pCampos != nullptr && Mapa(pCampos, nCampos).bTemTextoAlocado) return;
  m_pImpl->registrosGuardados.insert_or_assign(TChaveGuardada{m_pGuardado, pCampos, llChave},
                                               std::string(reinterpret_cast<const char*>(pOrigem), nTamanho));
}

bool CComando::Proxima() {
  if (m_pComando == nullptr) return false;
  if (!m_pGuardado->bSoLeitura) m_pImpl->registrosGuardados.clear();
  int rc = sqlite3_step(m_pComando);
  if (rc == SQLITE_ROW) return true;
  if (rc != SQLITE_DONE) m_strErro = std::string("erro do banco: ") + sqlite3_errmsg(m_pBanco);
  return false;
}

CLeituraConsistente::CLeituraConsistente(std::shared_ptr<CQZBancoEmpresa> pBanco) : m_pBanco(std::move(pBanco)) {
  if (!m_pBanco) return;
  CQZBancoEmpresa::TImpl& impl = m_pBanco->Impl();
  if (impl.nLeiturasConsistentes++ > 0) return;
  impl.registrosGuardados.clear();
  impl.bTransacaoPropria = sqlite3_get_autocommit(impl.pBanco) != 0 &&
                           sqlite3_exec(impl.pBanco, "BEGIN", nullptr, nullptr, nullptr) == SQLITE_OK;
}

CLeituraConsistente::~CLeituraConsistente() {
  if (!m_pBanco) return;
  CQZBancoEmpresa::TImpl& impl = m_pBanco->Impl();
  if (--impl.nLeiturasConsistentes > 0) return;
  impl.registrosGuardados.clear();
  if (impl.bTransacaoPropria && sqlite3_get_autocommit(impl.pBanco) == 0 &&
      sqlite3_exec(impl.pBanco, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
    sqlite3_exec(impl.pBanco, "ROLLBACK", nullptr, nullptr, nullptr);
  impl.bTransacaoPropria = false;
}

// --- empresas pelo nome --------------------------------------------------------

namespace {
std::mutex g_mtxEmpresas;
std::unordered_map<std::string, std::shared_ptr<CQZBancoEmpresa>>& EmpresasNaMemoria() {
  static auto* pMapa = new std::unordered_map<std::string, std::shared_ptr<CQZBancoEmpresa>>;
  return *pMapa;
}

bool Existe(const std::string& strArquivo) {
  std::error_code ec;
  return std::filesystem::exists(strArquivo, ec);
}

// As tabelas que o esquema ganhou depois que já havia empresas: criadas, quando faltam,
// ao abrir o banco de uma empresa existente.
constexpr const char* kTabelasAcrescentadas =
    "CREATE TABLE IF NOT EXISTS cm_modelo_email (iModelo INTEGER PRIMARY KEY, iExtensao INTEGER NOT NULL,"
    " szNome TEXT NOT NULL, szArquivo TEXT NOT NULL);";

std::string ChaveEmpresa(const std::string& strNome) {
  return std::string(QZChaveEmpresarial().GetString()) + "\\" + QZ_SUBCHAVE_EMPRESAS + "\\" + strNome;
}
}  // namespace

// O banco de uma empresa de versão anterior ganha o que falta no esquema ao abrir.
static std::shared_ptr<CQZBancoEmpresa> AbreAtualizado(const std::string& strArquivo, std::string& strErro) {
  auto pBanco = CQZBancoEmpresa::AbreArquivo(strArquivo, false, strErro);
  if (pBanco && (pBanco->ExecutaRoteiro(kTabelasAcrescentadas, strErro) != S_OK ||
                 AtualizaEsquemaEmpresa(*pBanco, strErro) != S_OK))
    return nullptr;
  return pBanco;
}

std::string ArquivoEmpresa(const std::string& strNome) {
  std::string strPasta = QZDiretorioEmpresa(strNome.c_str()).GetString();
  while (!strPasta.empty() && (strPasta.back() == '\\' || strPasta.back() == '/')) strPasta.pop_back();
  return strPasta.empty() ? std::string() : strPasta + "/empresa.db";
}

bool NomeEmpresaValido(const std::string& strNome) {
  if (strNome.empty() || strNome.size() > 64) return false;
  for (char c : strNome) {
    bool bOk = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-';
    if (!bOk) return false;
  }
  return true;
}

void RegistraEmpresaNaMemoria(const std::string& strNome, std::shared_ptr<CQZBancoEmpresa> pBanco) {
  std::lock_guard trava(g_mtxEmpresas);
  EmpresasNaMemoria()[strNome] = std::move(pBanco);
}

void RemoveEmpresaDaMemoria(const std::string& strNome) {
  std::lock_guard trava(g_mtxEmpresas);
  EmpresasNaMemoria().erase(strNome);
}

std::shared_ptr<CQZBancoEmpresa> AbreEmpresa(const std::string& strNome, std::string& strErro) {
  {
    std::lock_guard trava(g_mtxEmpresas);
    auto it = EmpresasNaMemoria().find(strNome);
    if (it != EmpresasNaMemoria().end()) return it->second;
  }
  if (!NomeEmpresaValido(strNome)) {
    strErro = "nome de empresa inválido: \"" + strNome + "\"";
    return nullptr;
  }
  std::string strArquivo = ArquivoEmpresa(strNome);
  std::string strAdocao;
  if (strArquivo.empty() && Existe(PastaPadraoEmpresa(strNome) + "/empresa.db")) {
    if (AdotaEmpresa(strNome, strAdocao) != S_OK) {
      strErro = strAdocao;
      return nullptr;
    }
    strArquivo = ArquivoEmpresa(strNome);
  }
  if (strArquivo.empty()) {
    const CString strErrada = QZEntradaDePastaInvalida(strNome.c_str());
    strErro = !strErrada.IsEmpty()
                  ? std::string(strErrada.GetString())
                  : "a empresa \"" + strNome + "\" não está registrada (\"Path\" de " + ChaveEmpresa(strNome) + ")";
    return nullptr;
  }
  if (!Existe(strArquivo)) {
    strErro = "a empresa \"" + strNome + "\" não tem banco em " + strArquivo;
    return nullptr;
  }
  return AbreAtualizado(strArquivo, strErro);
}

}  // namespace vrmsuite
