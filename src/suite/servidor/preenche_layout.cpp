// Preenchimento de um registro de layout fixo a partir de uma linha do banco: o mapa
// das colunas de um comando para os campos de um layout (pelo nome, feito uma vez por
// comando), e cada coluna mapeada convertida para o tipo do seu campo, com verificação
// de faixa, de largura do texto e de data, e gravada no seu deslocamento.
#include <cstdio>
#include <cstring>
#include <limits>

#include "banco_impl.h"
#include "vrmwnd/suite/servidor/resultados.h"

namespace vrmsuite {
namespace {

const TCampoLayout* AchaCampo(const TCampoLayout* pCampos, std::size_t nCampos, std::string_view sColuna,
                              std::string_view* pResto) {
  for (std::size_t i = 0; i < nCampos; ++i) {
    std::string_view sNome = pCampos[i].szNome;
    if (pCampos[i].eTipo != ETipoCampo::Bloco) {
      if (sNome == sColuna) return &pCampos[i];
    } else if (sColuna.size() > sNome.size() + 1 && sColuna.substr(0, sNome.size()) == sNome &&
               sColuna[sNome.size()] == '_') {
      *pResto = sColuna.substr(sNome.size() + 1);
      return &pCampos[i];
    }
  }
  return nullptr;
}

struct TFaixa {
  long long llMin, llMax;
};

TFaixa FaixaDoTipo(ETipoCampo eTipo) {
  switch (eTipo) {
    case ETipoCampo::Byte: return {0, 255};
    case ETipoCampo::Caractere: return {-128, 255};
    case ETipoCampo::Int16: return {-32768, 32767};
    case ETipoCampo::Word: return {0, 65535};
    case ETipoCampo::Int32: return {std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()};
    case ETipoCampo::Dword: return {0, std::numeric_limits<uint32_t>::max()};
    default: return {std::numeric_limits<long long>::min(), std::numeric_limits<long long>::max()};
  }
}

// Data 'AAAA-MM-DD' estrita: o dia tem de existir no mês.
bool LeData(const char* sz, REG_QZDMA* pDma) {
  int d = 0, m = 0, a = 0;
  char cSobra = 0;
  if (std::sscanf(sz, "%4d-%2d-%2d%c", &a, &m, &d, &cSobra) != 3) return false;
  if (d < 1 || d > QZUltimoDiaDoMes(m, a) || a < QZ_ANO_MINIMO) return false;
  *pDma = QZDMA(d, m, a);
  return *pDma != 0;
}

// Converte as colunas mapeadas da linha corrente. Cada coluna é lida uma vez como
// valor do SQLite (sqlite3_column_value) e convertida pelas rotinas sqlite3_value_*,
// que não voltam à conexão: a conexão da empresa é usada por uma linha de execução.
class CPreenchedor {
 public:
  CPreenchedor(sqlite3_stmt* pComando, const char* szRegistro, std::string& strErro)
      : m_pComando(pComando), m_szRegistro(szRegistro), m_strErro(strErro) {}

  HRESULT Coluna(const TColunaMapeada& coluna, BYTE* pBloco) {
    sqlite3_value* pValor = sqlite3_column_value(m_pComando, coluna.nColuna);
    const int nTipo = sqlite3_value_type(pValor);
    if (nTipo == SQLITE_NULL) return S_OK;
    m_nColuna = coluna.nColuna;
    BYTE* pDestino = pBloco + coluna.nOffset;
    const TCampoLayout& campo = *coluna.pCampo;
    switch (campo.eTipo) {
      case ETipoCampo::Texto: return Texto(pValor, nTipo, campo, pDestino);
      case ETipoCampo::Handle: return TextoAlocado(pValor, nTipo, pDestino);
      case ETipoCampo::Data: return Data(pValor, nTipo, pDestino);
      case ETipoCampo::Caractere:
        if (nTipo == SQLITE_TEXT) return Caractere(pValor, pDestino);
        [[fallthrough]];
      default: return Numero(pValor, nTipo, campo, pDestino);
    }
  }

 private:
  HRESULT Corrompido(const std::string& strMotivo) {
    m_strErro = std::string(m_szRegistro) + ", coluna " + sqlite3_column_name(m_pComando, m_nColuna) + ": " + strMotivo;
    return QZ_E_REGISTRO_CORROMPIDO;
  }

  HRESULT Texto(sqlite3_value* pValor, int nTipo, const TCampoLayout& campo, BYTE* pDestino) {
    if (nTipo != SQLITE_TEXT) return Corrompido("esperava texto");
    const auto* p = sqlite3_value_text(pValor);
    std::size_t n = static_cast<std::size_t>(sqlite3_value_bytes(pValor));
    if (n >= campo.nLargura)
      return Corrompido("texto de " + std::to_string(n) + " bytes não cabe no campo de " +
                        std::to_string(campo.nLargura) + " bytes (com o terminador)");
    if (std::memchr(p, 0, n) != nullptr) return Corrompido("texto com caractere nulo");
    std::memset(pDestino, 0, campo.nLargura);
    std::memcpy(pDestino, p, n);
    return S_OK;
  }

  HRESULT TextoAlocado(sqlite3_value* pValor, int nTipo, BYTE* pDestino) {
    if (nTipo != SQLITE_TEXT) return Corrompido("esperava texto");
    const auto* p = sqlite3_value_text(pValor);
    std::size_t n = static_cast<std::size_t>(sqlite3_value_bytes(pValor));
    auto* pTexto = static_cast<char*>(CoTaskMemAlloc(n + 1));
    if (pTexto == nullptr) return E_OUTOFMEMORY;
    std::memcpy(pTexto, p, n);
    pTexto[n] = 0;
    DWORD h = CoTaskMemHandle(pTexto);
    std::memcpy(pDestino, &h, sizeof h);
    return S_OK;
  }

  HRESULT Data(sqlite3_value* pValor, int nTipo, BYTE* pDestino) {
    const char* sz = reinterpret_cast<const char*>(sqlite3_value_text(pValor));
    REG_QZDMA dma = 0;
    if (nTipo != SQLITE_TEXT || !LeData(sz, &dma))
      return Corrompido(std::string("data inválida \"") + (sz ? sz : "") + "\" (use AAAA-MM-DD)");
    std::memcpy(pDestino, &dma, sizeof dma);
    return S_OK;
  }

  HRESULT Caractere(sqlite3_value* pValor, BYTE* pDestino) {
    const auto* p = sqlite3_value_text(pValor);
    const int n = sqlite3_value_bytes(pValor);
    if (n > 1) return Corrompido("esperava um caractere, veio um texto de " + std::to_string(n) + " bytes");
    *pDestino = n == 1 ? p[0] : 0;
    return S_OK;
  }

  HRESULT Numero(sqlite3_value* pValor, int nTipo, const TCampoLayout& campo, BYTE* pDestino) {
    if (nTipo != SQLITE_INTEGER) return Corrompido("esperava número inteiro");
    long long llValor = sqlite3_value_int64(pValor);
    TFaixa faixa = FaixaDoTipo(campo.eTipo);
    if (llValor < faixa.llMin || llValor > faixa.llMax)
      return Corrompido("valor " + std::to_string(llValor) + " fora da faixa do campo (" + std::to_string(faixa.llMin) +
                        " a " + std::to_string(faixa.llMax) + ")");
    // Little-endian: os nLargura bytes baixos do valor são o campo.
    std::memcpy(pDestino, &llValor, campo.nLargura);
    return S_OK;
  }

  sqlite3_stmt* m_pComando;
  const char* m_szRegistro;
  int m_nColuna = 0;
  std::string& m_strErro;
};

}  // namespace

TMapaColunas MapeiaColunas(sqlite3_stmt* pComando, const TCampoLayout* pCampos, std::size_t nCampos) {
  TMapaColunas mapa;
  mapa.pCampos = pCampos;
  mapa.nPreparos = sqlite3_stmt_status(pComando, SQLITE_STMTSTATUS_REPREPARE, 0);
  for (int i = 0, n = sqlite3_column_count(pComando); i < n; ++i) {
    std::string_view sColuna = sqlite3_column_name(pComando, i);
    const TCampoLayout* pTabela = pCampos;
    std::size_t nTabela = nCampos;
    std::size_t nOffset = 0;
    for (;;) {
      std::string_view sResto;
      const TCampoLayout* pCampo = AchaCampo(pTabela, nTabela, sColuna, &sResto);
      if (pCampo == nullptr) break;
      nOffset += pCampo->nOffset;
      if (pCampo->eTipo != ETipoCampo::Bloco) {
        mapa.colunas.push_back({i, pCampo, nOffset});
        mapa.bTemTextoAlocado = mapa.bTemTextoAlocado || pCampo->eTipo == ETipoCampo::Handle;
        break;
      }
      pTabela = pCampo->pSubcampos;
      nTabela = pCampo->nSubcampos;
      sColuna = sResto;
    }
  }
  return mapa;
}

HRESULT PreencheDaLinha(sqlite3_stmt* pComando, const TMapaColunas& mapa, BYTE* pBloco, const char* szRegistro,
                        std::string& strErro) {
  CPreenchedor preenchedor(pComando, szRegistro, strErro);
  for (const TColunaMapeada& coluna : mapa.colunas)
    if (HRESULT hr = preenchedor.Coluna(coluna, pBloco); hr != S_OK) return hr;
  return S_OK;
}

}  // namespace vrmsuite
