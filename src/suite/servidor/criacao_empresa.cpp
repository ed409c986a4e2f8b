// Criação e adoção das empresas em arquivo, seguras entre processos: trava por nome,
// montagem num temporário numa só transação, renomeação sem sobrescrever e registro por
// último, de modo que um processo interrompido em qualquer passo deixa ou nenhuma
// empresa ou uma completa. Nenhum caminho daqui apaga um banco de empresa.
#include "vrmwnd/suite/servidor/criacao_empresa.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <stdio.h>
#include <sys/file.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "vrmwnd/base/QZInstalacao.h"
#include "vrmwnd/platform/home.h"
#include "vrmwnd/platform/registry.h"
#include "vrmwnd/suite/ganchos_teste.h"
#include "vrmwnd/suite/servidor/banco_empresa.h"
#include "vrmwnd/suite/servidor/resultados.h"

namespace vrmsuite {
namespace {

std::atomic<TPassoCriacao> g_pPassoCriacao{nullptr};

void Passo(EPassoCriacaoEmpresa ePasso) {
  if (TPassoCriacao pPasso = g_pPassoCriacao.load()) pPasso(ePasso);
}

std::string ChaveEmpresa(const std::string& strNome) {
  return std::string(QZChaveEmpresarial().GetString()) + "\\" + QZ_SUBCHAVE_EMPRESAS + "\\" + strNome;
}

// Trava exclusiva entre processos sobre <pasta da plataforma>/empresas/NOME.trava,
// mantida enquanto o objeto vive; o sistema a solta se o processo morre.
class CTravaEmpresa {
 public:
  CTravaEmpresa(const std::string& strNome, std::string& strErro) {
    const std::string strPasta = GetPlatformHomeDirectory() + "/empresas";
    std::error_code ec;
    std::filesystem::create_directories(strPasta, ec);
    const std::string strArquivo = strPasta + "/" + strNome + ".trava";
    m_fd = ::open(strArquivo.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    while (m_fd >= 0 && ::flock(m_fd, LOCK_EX) != 0) {
      if (errno == EINTR) continue;
      ::close(m_fd);
      m_fd = -1;
    }
    if (m_fd < 0) strErro = "não foi possível travar " + strArquivo + ": " + std::strerror(errno);
  }
  ~CTravaEmpresa() {
    if (m_fd >= 0) ::close(m_fd);
  }
  CTravaEmpresa(const CTravaEmpresa&) = delete;
  CTravaEmpresa& operator=(const CTravaEmpresa&) = delete;
  bool Obtida() const { return m_fd >= 0; }

 private:
  int m_fd = -1;
};

bool Existe(const std::string& strArquivo) {
  std::error_code ec;
  return std::filesystem::exists(strArquivo, ec);
}

// Grava o arquivo em disco (dados e, para uma pasta, as entradas).
bool Sincroniza(const std::string& strCaminho, bool bPasta) {
  const int fd = ::open(strCaminho.c_str(), (bPasta ? O_DIRECTORY : 0) | O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool bOk = ::fsync(fd) == 0;
  ::close(fd);
  return bOk;
}

// Um banco de empresa íntegro: abre só para leitura, passa na verificação rápida do
// SQLite e tem as tabelas que toda empresa tem.
bool BancoDeEmpresaValido(const std::string& strArquivo, std::string& strErro) {
  sqlite3* pBanco = nullptr;
  bool bOk = sqlite3_open_v2(strArquivo.c_str(), &pBanco, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK;
  if (bOk) sqlite3_busy_timeout(pBanco, 10000);
  sqlite3_stmt* pComando = nullptr;
  bOk = bOk && sqlite3_prepare_v2(pBanco,
                                  "SELECT (SELECT quick_check FROM pragma_quick_check) = 'ok' AND "
                                  "(SELECT count(*) FROM sqlite_master WHERE type = 'table' AND "
                                  "name IN ('filial', 'conta', 'nota_fiscal')) = 3",
                                  -1, &pComando, nullptr) == SQLITE_OK;
  bOk = bOk && sqlite3_step(pComando) == SQLITE_ROW && sqlite3_column_int(pComando, 0) == 1;
  if (!bOk) {
    strErro = "o arquivo " + strArquivo + " não é um banco de empresa íntegro (" +
              (pBanco ? sqlite3_errmsg(pBanco) : "sem memória") + "); ficou como está";
  }
  sqlite3_finalize(pComando);
  sqlite3_close(pBanco);
  return bOk;
}

bool Registra(const std::string& strNome, const std::string& strPasta, std::string& strErro) {
  if (QZGravaRegistroTexto(HKEY_LOCAL_MACHINE, ChaveEmpresa(strNome).c_str(), "Path", strPasta.c_str())) return true;
  strErro = "não foi possível registrar a empresa em " + ChaveEmpresa(strNome);
  return false;
}

HRESULT AdotaSobTrava(const std::string& strNome, std::string& strErro) {
  const std::string strPasta = PastaPadraoEmpresa(strNome);
  if (!BancoDeEmpresaValido(strPasta + "/empresa.db", strErro)) return QZ_E_BANCO_DE_DADOS;
  return Registra(strNome, strPasta, strErro) ? S_OK : E_FAIL;
}

// Restos de montagens interrompidas (temporários nunca renomeados para o lugar, e o
// diário do SQLite deles): só quem tem a trava monta, então, com ela, são órfãos.
void RemoveTemporariosOrfaos(const std::string& strPasta) {
  std::error_code ec;
  for (const auto& entrada : std::filesystem::directory_iterator(strPasta, ec)) {
    const std::string strNome = entrada.path().filename().string();
    if (strNome.starts_with("empresa.db.montando.")) std::filesystem::remove(entrada.path(), ec);
  }
}

HRESULT ExecutaTexto(sqlite3* pBanco, const char* szSql, std::string& strErro) {
  char* szErro = nullptr;
  if (sqlite3_exec(pBanco, szSql, nullptr, nullptr, &szErro) == SQLITE_OK) return S_OK;
  strErro = std::string("roteiro SQL falhou: ") + (szErro ? szErro : sqlite3_errmsg(pBanco));
  sqlite3_free(szErro);
  return QZ_E_BANCO_DE_DADOS;
}

// Monta o esquema e a amostra no temporário numa só transação. Sem diário em disco:
// se algo falha, o temporário inteiro é descartado.
HRESULT MontaTemporario(const std::string& strTemporario, std::string& strErro) {
  const int fd = ::open(strTemporario.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
  if (fd < 0) {
    strErro = "não foi possível criar " + strTemporario + ": " + std::strerror(errno);
    return E_FAIL;
  }
  ::close(fd);
  Passo(EPassoCriacaoEmpresa::TemporarioCriado);
  sqlite3* pBanco = nullptr;
  HRESULT hr = S_OK;
  if (sqlite3_open_v2(strTemporario.c_str(), &pBanco, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
    strErro = "não foi possível abrir " + strTemporario + ": " + (pBanco ? sqlite3_errmsg(pBanco) : "?");
    hr = QZ_E_BANCO_DE_DADOS;
  }
  if (hr == S_OK) hr = ExecutaTexto(pBanco, "PRAGMA journal_mode=MEMORY; PRAGMA synchronous=OFF; BEGIN", strErro);
  if (hr == S_OK) hr = ExecutaTexto(pBanco, EsquemaEmpresa(), strErro);
  if (hr == S_OK) Passo(EPassoCriacaoEmpresa::EsquemaNaTransacao);
  if (hr == S_OK) hr = ExecutaTexto(pBanco, AmostraEmpresa(), strErro);
  if (hr == S_OK) Passo(EPassoCriacaoEmpresa::AmostraNaTransacao);
  if (hr == S_OK) hr = ExecutaTexto(pBanco, "COMMIT", strErro);
  if (sqlite3_close(pBanco) != SQLITE_OK && hr == S_OK) {
    strErro = "não foi possível fechar " + strTemporario;
    hr = QZ_E_BANCO_DE_DADOS;
  }
  if (hr == S_OK && !Sincroniza(strTemporario, false)) {
    strErro = "não foi possível gravar " + strTemporario + " em disco";
    hr = E_FAIL;
  }
  if (hr == S_OK) Passo(EPassoCriacaoEmpresa::Montada);
  return hr;
}

// Monta a empresa de amostra na pasta padrão e a registra; chamada com a trava e sem
// banco na pasta padrão. A renomeação não sobrescreve: se um banco apareceu ali (um
// processo que não trava), ele fica e é adotado.
HRESULT CriaSobTrava(const std::string& strNome, std::string& strErro) {
  const std::string strPasta = PastaPadraoEmpresa(strNome);
  std::error_code ec;
  std::filesystem::create_directories(strPasta, ec);
  RemoveTemporariosOrfaos(strPasta);
  const std::string strArquivo = strPasta + "/empresa.db";
  const std::string strTemporario = strPasta + "/empresa.db.montando." + std::to_string(::getpid());
  HRESULT hr = MontaTemporario(strTemporario, strErro);
  if (hr == S_OK && ::renameat2(AT_FDCWD, strTemporario.c_str(), AT_FDCWD, strArquivo.c_str(), RENAME_NOREPLACE) != 0) {
    const int nErro = errno;
    std::filesystem::remove(strTemporario, ec);
    if (nErro == EEXIST) return AdotaSobTrava(strNome, strErro);
    strErro = "não foi possível pôr o banco em " + strArquivo + ": " + std::strerror(nErro);
    return E_FAIL;
  }
  if (hr != S_OK) {
    std::filesystem::remove(strTemporario, ec);  // nunca foi uma empresa
    return hr;
  }
  Sincroniza(strPasta, true);
  Passo(EPassoCriacaoEmpresa::NoLugar);
  if (!Registra(strNome, strPasta, strErro)) return E_FAIL;
  Passo(EPassoCriacaoEmpresa::Registrada);
  return S_OK;
}

enum class EModo { Adota, Garante, Cria };

HRESULT Executa(const std::string& strNome, EModo eModo, std::string& strErro) {
  if (!NomeEmpresaValido(strNome)) {
    strErro = "nome de empresa inválido: \"" + strNome + "\"";
    return E_INVALIDARG;
  }
  if (GetPlatformHomeDirectory().empty()) {
    strErro = "não há pasta de dados: defina VRMWND_HOME ou HOME com um caminho absoluto";
    return E_FAIL;
  }
  if (const CString strErrada = QZEntradaDePastaInvalida(strNome.c_str()); !strErrada.IsEmpty()) {
    strErro = strErrada.GetString();  // o registro diz outra pasta: não se cria outra no lugar
    return E_FAIL;
  }
  CTravaEmpresa trava(strNome, strErro);
  if (!trava.Obtida()) return E_FAIL;
  Passo(EPassoCriacaoEmpresa::Travada);
  const std::string strRegistrado = ArquivoEmpresa(strNome);
  if (!strRegistrado.empty() && Existe(strRegistrado)) {
    if (eModo != EModo::Cria) return S_OK;
    strErro = "a empresa \"" + strNome + "\" já existe em " + strRegistrado;
    return E_FAIL;
  }
  if (!strRegistrado.empty() && eModo == EModo::Garante) {
    strErro = "a empresa \"" + strNome + "\" está registrada, mas não tem banco em " + strRegistrado;
    return E_FAIL;
  }
  if (Existe(PastaPadraoEmpresa(strNome) + "/empresa.db")) {
    const HRESULT hr = AdotaSobTrava(strNome, strErro);
    return hr == S_OK && eModo == EModo::Cria ? S_FALSE : hr;
  }
  if (eModo == EModo::Adota) {
    strErro = "a empresa \"" + strNome + "\" não está registrada (\"Path\" de " + ChaveEmpresa(strNome) +
              ") nem tem banco em " + PastaPadraoEmpresa(strNome);
    return E_FAIL;
  }
  return CriaSobTrava(strNome, strErro);
}

}  // namespace

std::string PastaPadraoEmpresa(const std::string& strNome) {
  return GetPlatformHomeDirectory() + "/empresas/" + strNome;
}

HRESULT GaranteEmpresaDeAmostra(const std::string& strNome, std::string& strErro) {
  return Executa(strNome, EModo::Garante, strErro);
}

HRESULT CriaEmpresaDeAmostra(const std::string& strNome, std::string& strErro) {
  return Executa(strNome, EModo::Cria, strErro);
}

HRESULT AdotaEmpresa(const std::string& strNome, std::string& strErro) {
  return Executa(strNome, EModo::Adota, strErro);
}

void ProgramaPassoCriacaoEmpresa(TPassoCriacao pPasso) { g_pPassoCriacao.store(pPasso); }

}  // namespace vrmsuite
