// O componente de log de transações (IQZDF_Log) sobre a tabela log_transacao do banco
// da empresa, a chave do documento em texto para o filtro e o registro do componente
// na tabela de classes do processo.
#include <cstdio>
#include <string>
#include <vector>

#include "banco_impl.h"
#include "falhas_leitura.h"
#include "TObjetoCom.h"
#include "vrmwnd/base/CQZQuemGerou.h"
#include "vrmwnd/suite/servidor/IQZDF_Log.h"

namespace {

constexpr char kBase32[] = "0123456789ABCDEFGHIJKLMNOPQRSTUV";
constexpr HRESULT kArquivoNaoAbre = static_cast<HRESULT>(0x80070003u);

constexpr const char* kSelecionaEntrada =
    "SELECT lChave, dwDocBaixo, dwDocAlto, byTipoDocumento, nUsuario, szMomento, szOperacao, "
    "szDescricao FROM log_transacao";
const std::string kLeEntrada = std::string(kSelecionaEntrada) + " WHERE lChave = ?";
// ?1 usuário, ?2 e ?3 datas AAAAMMDD (−1: qualquer), ?4 1 quando há documento, ?5 e
// ?6 as palavras do documento, ?7 tipo de documento (0: qualquer).
constexpr const char* kCondicaoFiltro =
    " WHERE (?1 < 0 OR nUsuario = ?1)"
    " AND (?2 < 0 OR CAST(replace(substr(szMomento, 1, 10), '-', '') AS INTEGER) >= ?2)"
    " AND (?3 < 0 OR CAST(replace(substr(szMomento, 1, 10), '-', '') AS INTEGER) <= ?3)"
    " AND (?4 = 0 OR (dwDocBaixo = ?5 AND dwDocAlto = ?6))"
    " AND (?7 = 0 OR byTipoDocumento = ?7)";

using vrmsuite::CComando;

BSTR Bstr(const CString& str) { return SysAllocString(Utf8ToUtf16(str.GetString()).c_str()); }
using vrmsuite::FalhaProgramada;

class CComponenteLog final : public vrmsuite::TObjetoCom<IQZDF_Log, IID_IQZDF_Log> {
 public:
  HRESULT Quantidade(DWORD* pnQtd) override {
    return LeQuantidade("IQZDF_Log::Quantidade", "SELECT COUNT(*) FROM log_transacao", pnQtd);
  }
  HRESULT Le(DWORD lChave, REG_LOGPS* pReg) override {
    return LeRegistro("IQZDF_Log::Le", kLeEntrada.c_str(), static_cast<long long>(lChave), pReg);
  }
  HRESULT Abre(BSTR bstrEmpresa, unsigned short nUsuario) override {
    if (HRESULT hr = FalhaProgramada("IQZDF_Log::Abre"); hr != S_OK) return hr;
    if (HRESULT hr = Liga(bstrEmpresa); hr != S_OK) return hr;
    m_strEmpresa = CString(bstrEmpresa);
    m_nUsuario = nUsuario;
    return S_OK;
  }
  HRESULT Fecha() override {
    if (HRESULT hr = FalhaProgramada("IQZDF_Log::Fecha"); hr != S_OK) return hr;
    m_pBanco.reset();
    return S_OK;
  }
  HRESULT Inclui(REG_LOGPS* pReg) override;
  HRESULT Exclui(DWORD lChave) override;
  HRESULT Busca(const REG_FILTRO_LOGPS* pFiltro, DWORD* pnQtd) override;
  HRESULT LeChaves(const REG_FILTRO_LOGPS* pFiltro, DWORD nQtd, DWORD* aChaves) override;
  HRESULT LeVarios(DWORD nQtd, const DWORD* aChaves, REG_LOGPS* aEntradas) override {
    if (nQtd > 0 && (aChaves == nullptr || aEntradas == nullptr)) return E_POINTER;
    for (DWORD i = 0; i < nQtd; ++i) aEntradas[i].Zera();
    if (HRESULT hr = Entrada("IQZDF_Log::LeVarios"); hr != S_OK) return hr;
    for (DWORD i = 0; i < nQtd; ++i)
      if (HRESULT hr = LeUma(aChaves[i], &aEntradas[i]); hr != S_OK) return hr;
    return S_OK;
  }
  HRESULT ExcluiAnteriores(LONG lData, DWORD* pnExcluidas) override;
  HRESULT GetEmpresa(BSTR* pbstrEmpresa) override {
    if (pbstrEmpresa == nullptr) return E_POINTER;
    *pbstrEmpresa = nullptr;
    if (HRESULT hr = Entrada("IQZDF_Log::GetEmpresa"); hr != S_OK) return hr;
    *pbstrEmpresa = Bstr(m_strEmpresa);
    return S_OK;
  }
  HRESULT GetUsuario(unsigned short* pnUsuario) override {
    if (pnUsuario == nullptr) return E_POINTER;
    *pnUsuario = 0;
    if (HRESULT hr = Entrada("IQZDF_Log::GetUsuario"); hr != S_OK) return hr;
    *pnUsuario = m_nUsuario;
    return S_OK;
  }
  HRESULT Primeira(const REG_FILTRO_LOGPS* pFiltro, REG_LOGPS* pReg) override {
    return Extremo("IQZDF_Log::Primeira", pFiltro, " ORDER BY szMomento, lChave LIMIT 1", pReg);
  }
  HRESULT Ultima(const REG_FILTRO_LOGPS* pFiltro, REG_LOGPS* pReg) override {
    return Extremo("IQZDF_Log::Ultima", pFiltro, " ORDER BY szMomento DESC, lChave DESC LIMIT 1", pReg);
  }
  HRESULT Descreve(DWORD lChave, BSTR* pbstrLinha) override {
    if (pbstrLinha == nullptr) return E_POINTER;
    *pbstrLinha = nullptr;
    if (HRESULT hr = Entrada("IQZDF_Log::Descreve"); hr != S_OK) return hr;
    REG_LOGPS reg{};
    if (HRESULT hr = LeUma(lChave, &reg); hr != S_OK) return hr;
    *pbstrLinha = Bstr(Linha(reg));
    return S_OK;
  }
  HRESULT GeraRelatorio(BSTR bstrArquivo, BSTR bstrConfiguracao, BSTR bstrTexto2, const REG_FILTRO_LOGPS* pFiltro,
                        DWORD nQtd, const DWORD* aChaves) override;

 private:
  HRESULT LeUma(DWORD lChave, REG_LOGPS* pReg) const {
    return LeUm(kLeEntrada.c_str(), static_cast<long long>(lChave), pReg);
  }
  static HRESULT LigaFiltro(const REG_FILTRO_LOGPS& filtro, CComando& comando);
  HRESULT Extremo(const char* szOperacao, const REG_FILTRO_LOGPS* pFiltro, const char* szOrdem, REG_LOGPS* pReg) const {
    if (pFiltro == nullptr || pReg == nullptr) return E_POINTER;
    pReg->Zera();
    if (HRESULT hr = Entrada(szOperacao); hr != S_OK) return hr;
    CComando comando(*m_pBanco, (std::string(kSelecionaEntrada) + kCondicaoFiltro + szOrdem).c_str());
    if (HRESULT hr = LigaFiltro(*pFiltro, comando); hr != S_OK) return hr;
    return LeLinha(comando, pReg);
  }
  static CString Linha(const REG_LOGPS& reg) {
    CString str;
    str.Format("%-19s  U%03u  %-12s  %s", std::string(reg.szMomento()).c_str(), unsigned{reg.nUsuario()},
               std::string(reg.szOperacao()).c_str(), std::string(reg.szDescricao()).c_str());
    return str;
  }

  CString m_strEmpresa;
  unsigned short m_nUsuario = 0;
};

HRESULT CComponenteLog::LigaFiltro(const REG_FILTRO_LOGPS& filtro, CComando& comando) {
  if (!comando.Preparado()) return QZ_E_BANCO_DE_DADOS;
  REG_QZDMC rDocumento;
  bool bDocumento = false;
  try {
    const std::string_view sDocumento = filtro.szDocumento();
    if (!sDocumento.empty() && !QZLogDocumentoDoTexto(sDocumento, &rDocumento)) return E_INVALIDARG;
    bDocumento = !sDocumento.empty();
  } catch (const vrmsuite::CQZErroLayout&) {
    return E_INVALIDARG;
  }
  comando.Liga(1, filtro.lUsuario()).Liga(2, filtro.lDataInicial()).Liga(3, filtro.lDataFinal());
  comando.Liga(4, bDocumento ? 1 : 0).Liga(5, rDocumento.dwBaixo).Liga(6, rDocumento.dwAlto);
  comando.Liga(7, filtro.byTipoDocumento());
  return S_OK;
}

HRESULT CComponenteLog::Busca(const REG_FILTRO_LOGPS* pFiltro, DWORD* pnQtd) {
  if (pFiltro == nullptr || pnQtd == nullptr) return E_POINTER;
  *pnQtd = 0;
  if (HRESULT hr = Entrada("IQZDF_Log::Busca"); hr != S_OK) return hr;
  CComando comando(*m_pBanco, (std::string("SELECT COUNT(*) FROM log_transacao") + kCondicaoFiltro).c_str());
  if (HRESULT hr = LigaFiltro(*pFiltro, comando); hr != S_OK) return hr;
  return Conta(comando, pnQtd);
}

HRESULT CComponenteLog::LeChaves(const REG_FILTRO_LOGPS* pFiltro, DWORD nQtd, DWORD* aChaves) {
  if (pFiltro == nullptr || (nQtd > 0 && aChaves == nullptr)) return E_POINTER;
  for (DWORD i = 0; i < nQtd; ++i) aChaves[i] = 0;
  if (HRESULT hr = Entrada("IQZDF_Log::LeChaves"); hr != S_OK) return hr;
  CComando comando(
      *m_pBanco,
      (std::string("SELECT lChave FROM log_transacao") + kCondicaoFiltro + " ORDER BY szMomento, lChave").c_str());
  if (HRESULT hr = LigaFiltro(*pFiltro, comando); hr != S_OK) return hr;
  DWORD n = 0;
  while (n < nQtd && comando.Proxima()) aChaves[n++] = static_cast<DWORD>(sqlite3_column_int64(comando.Bruto(), 0));
  return comando.Erro().empty() ? S_OK : QZ_E_BANCO_DE_DADOS;
}

HRESULT CComponenteLog::Inclui(REG_LOGPS* pReg) {
  if (pReg == nullptr) return E_POINTER;
  if (HRESULT hr = Entrada("IQZDF_Log::Inclui"); hr != S_OK) return hr;
  CComando comando(*m_pBanco,
                   "INSERT INTO log_transacao (dwDocBaixo, dwDocAlto, byTipoDocumento, nUsuario, szMomento, "
                   "szOperacao, szDescricao) VALUES (?, ?, ?, ?, ?, ?, ?)");
  if (!comando.Preparado()) return QZ_E_BANCO_DE_DADOS;
  try {
    comando.Liga(1, pReg->dwDocBaixo()).Liga(2, pReg->dwDocAlto()).Liga(3, pReg->byTipoDocumento());
    comando.Liga(4, m_nUsuario).Liga(5, std::string(pReg->szMomento()).c_str());
    comando.Liga(6, std::string(pReg->szOperacao()).c_str()).Liga(7, std::string(pReg->szDescricao()).c_str());
  } catch (const vrmsuite::CQZErroLayout&) {
    return QZ_E_REGISTRO_CORROMPIDO;
  }
  comando.Proxima();
  if (!comando.Erro().empty()) return QZ_E_BANCO_DE_DADOS;
  pReg->Set_lChave(static_cast<DWORD>(sqlite3_last_insert_rowid(m_pBanco->Impl().pBanco)));
  pReg->Set_nUsuario(m_nUsuario);
  return S_OK;
}

HRESULT CComponenteLog::Exclui(DWORD lChave) {
  if (HRESULT hr = Entrada("IQZDF_Log::Exclui"); hr != S_OK) return hr;
  CComando comando(*m_pBanco, "DELETE FROM log_transacao WHERE lChave = ?");
  if (!comando.Preparado()) return QZ_E_BANCO_DE_DADOS;
  comando.Liga(1, static_cast<long long>(lChave)).Proxima();
  if (!comando.Erro().empty()) return QZ_E_BANCO_DE_DADOS;
  return sqlite3_changes(m_pBanco->Impl().pBanco) > 0 ? S_OK : QZ_E_REGISTRO_NAO_ENCONTRADO;
}

HRESULT CComponenteLog::ExcluiAnteriores(LONG lData, DWORD* pnExcluidas) {
  if (pnExcluidas == nullptr) return E_POINTER;
  *pnExcluidas = 0;
  if (HRESULT hr = Entrada("IQZDF_Log::ExcluiAnteriores"); hr != S_OK) return hr;
  CComando comando(*m_pBanco,
                   "DELETE FROM log_transacao WHERE CAST(replace(substr(szMomento, 1, 10), '-', '') AS INTEGER) < ?");
  if (!comando.Preparado()) return QZ_E_BANCO_DE_DADOS;
  comando.Liga(1, lData).Proxima();
  if (!comando.Erro().empty()) return QZ_E_BANCO_DE_DADOS;
  *pnExcluidas = static_cast<DWORD>(sqlite3_changes(m_pBanco->Impl().pBanco));
  return S_OK;
}

HRESULT CComponenteLog::GeraRelatorio(BSTR bstrArquivo, BSTR bstrConfiguracao, BSTR bstrTexto2,
                                      const REG_FILTRO_LOGPS* pFiltro, DWORD nQtd, const DWORD* aChaves) {
  if (bstrArquivo == nullptr || pFiltro == nullptr || (nQtd > 0 && aChaves == nullptr)) return E_POINTER;
  if (HRESULT hr = Entrada("IQZDF_Log::GeraRelatorio"); hr != S_OK) return hr;
  if (nQtd == 0) return QZ_S_LOG_SEM_ENTRADAS;
  std::vector<REG_LOGPS> entradas(nQtd);
  for (DWORD i = 0; i < nQtd; ++i)
    if (HRESULT hr = LeUma(aChaves[i], &entradas[i]); hr != S_OK) return hr;
  CString strDocumento("Todos");
  REG_QZDMC rDocumento;
  try {
    if (QZLogDocumentoDoTexto(pFiltro->szDocumento(), &rDocumento))
      strDocumento = CQZQuemGerou(rDocumento).GetDescricaoCompleta();
  } catch (const vrmsuite::CQZErroLayout&) {
    return E_INVALIDARG;
  }
  std::FILE* f = std::fopen(CString(bstrArquivo).GetString(), "w");
  if (f == nullptr) return kArquivoNaoAbre;
  std::fprintf(f, "Transações (LOG)\nEmpresa: %s\nDocumento: %s\n", m_strEmpresa.GetString(), strDocumento.GetString());
  if (bstrConfiguracao != nullptr && SysStringLen(bstrConfiguracao) > 0)
    std::fprintf(f, "Saída: %s\n", CString(bstrConfiguracao).GetString());
  if (bstrTexto2 != nullptr && SysStringLen(bstrTexto2) > 0) std::fprintf(f, "%s\n", CString(bstrTexto2).GetString());
  CString strCabecalho;
  strCabecalho.Format("%-19s  %-4s  %-12s  %s", "Momento", "Usu.", "Operação", "Descrição");
  std::fprintf(f, "\n%s\n", strCabecalho.GetString());
  for (const REG_LOGPS& reg : entradas) std::fprintf(f, "%s\n", Linha(reg).GetString());
  const bool bGravou = std::ferror(f) == 0;
  return std::fclose(f) == 0 && bGravou ? S_OK : kArquivoNaoAbre;
}

HRESULT CriaComponenteLog(REFIID riid, void** ppv) {
  return vrmsuite::CriaObjetoCom<CComponenteLog>("IQZDF_Log::Cria", riid, ppv);
}

// A biblioteca registra o componente ao carregar.
const bool g_bRegistrado = (CoRegisterClassCreator(CLSID_QZDF_Log, CriaComponenteLog), true);

}  // namespace

std::string QZLogTextoDocumento(REG_QZDMC rDocumento) {
  std::string str(13, '0');
  std::uint64_t valor = rDocumento.Valor();
  for (int i = 12; i >= 0; --i, valor >>= 5) str[static_cast<std::size_t>(i)] = kBase32[valor & 31u];
  return str;
}

bool QZLogDocumentoDoTexto(std::string_view sTexto, REG_QZDMC* pDocumento) {
  if (sTexto.size() != 13 || pDocumento == nullptr) return false;
  std::uint64_t valor = 0;
  for (std::size_t i = 0; i < sTexto.size(); ++i) {
    const char c = sTexto[i];
    const int n = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'V' ? c - 'A' + 10 : -1;
    if (n < 0 || (i == 0 && n > 15)) return false;  // 13 x 5 bits = 65: o primeiro tem só 4
    valor = valor << 5 | static_cast<std::uint64_t>(n);
  }
  pDocumento->SetValor(valor);
  return true;
}

BYTE QZLogTipoDocumento(REG_QZDMC rDocumento) {
  switch (CQZQuemGerou(rDocumento).GetOrigem()) {
    case 42: return 5;   // Solicitação de Compra
    case 25: return 6;   // Solicitação de Cotação
    case 39: return 7;   // Cotação de Preços
    case 19: return 8;   // Ordem de Compra
    case 53: return 9;   // Contrato de Compras
    case 20: return 13;  // Conhecimento de Transporte
    case 18: return 15;  // Registro de Entradas
    default: return 0;
  }
}
