// LeDFNotasFiscais: monta a nota fiscal comercial a partir do banco — a linha da nota,
// os itens de produto com detalhes de estoque e rateio, os itens de serviço com
// deduções e rateio, as parcelas, as mensagens e o rateio da nota inteira —, tudo
// alocado pelo alocador de tarefas, com uma consulta por tabela por nota. Quantidades
// que não batem com as linhas e chaves estrangeiras desconhecidas são falhas; na falha
// nada fica alocado.
#include <cstring>
#include <functional>

#include "leitura_comum.h"
#include "vrmwnd/suite/leiautes/tagREG_NOTA_FISCALPS.h"

namespace {

using vrmsuite::CComando;

// As linhas de uma consulta da nota (a posição é o parâmetro 1) lidas grupo a grupo: a
// consulta traz o ordinal (coluna 0) e as colunas do grupo (1 a nGrupo), em ordem de
// grupo e de ordinal; depois de Grupo(...), Proxima() dá as linhas desse grupo. Linhas
// de um grupo que ninguém pede ficam de fora. Assim os detalhes, os rateios e as
// deduções de todos os itens saem de uma consulta por nota, não de uma por item.
class CLinhasAgrupadas {
 public:
  CLinhasAgrupadas(vrmsuite::CQZBancoEmpresa& banco, const char* szSql, int nGrupo, long lPosicao)
      : m_comando(banco, szSql), m_nGrupo(nGrupo) {
    m_comando.Liga(1, lPosicao);
  }
  CComando& Comando() { return m_comando; }
  void Grupo(long long llPrimeira, long long llSegunda = 0) {
    m_aGrupo[0] = llPrimeira;
    m_aGrupo[1] = llSegunda;
  }
  // A próxima linha do grupo; false no fim dele ou no erro (Comando().Erro()).
  bool Proxima() {
    for (;;) {
      if (!m_bPendente) {
        if (m_bFim || !m_comando.Proxima()) {
          m_bFim = true;  // o SQLite recomeçaria a consulta num passo depois do fim
          return false;
        }
        m_bPendente = true;
      }
      const int nOrdem = ComparaGrupo();
      if (nOrdem > 0) return false;  // a linha é de um grupo adiante
      m_bPendente = false;
      if (nOrdem == 0) return true;
    }
  }

 private:
  int ComparaGrupo() const {
    for (int g = 0; g < m_nGrupo; ++g) {
      const long long llLinha = sqlite3_column_int64(m_comando.Bruto(), g + 1);
      if (llLinha != m_aGrupo[g]) return llLinha < m_aGrupo[g] ? -1 : 1;
    }
    return 0;
  }

  CComando m_comando;
  int m_nGrupo;
  long long m_aGrupo[2] = {0, 0};
  bool m_bPendente = false;  // a linha corrente ainda não foi dada
  bool m_bFim = false;
};

// As linhas de rateio de uma origem ('P', 'S' ou 'N') da nota e as suas linhas
// gerenciais, cada uma numa consulta agrupada pelo item (e pela linha).
struct TRateiosDaOrigem {
  TRateiosDaOrigem(vrmsuite::CQZBancoEmpresa& banco, long lPosicao, const char* szOrigem)
      : szOrigem(szOrigem),
        linhas(banco,
               "SELECT nLinha AS nOrdinal, nItem, * FROM nf_rateio WHERE lPosicaoNota = ? "
               "AND cOrigem = ? ORDER BY nItem, nLinha",
               1, lPosicao),
        gerenciais(banco,
                   "SELECT nGerencial AS nOrdinal, nItem, nLinha, * FROM nf_rateio_gerencial "
                   "WHERE lPosicaoNota = ? AND cOrigem = ? ORDER BY nItem, nLinha, nGerencial",
                   2, lPosicao) {
    linhas.Comando().Liga(2, szOrigem);
    gerenciais.Comando().Liga(2, szOrigem);
  }
  const char* szOrigem;
  CLinhasAgrupadas linhas;
  CLinhasAgrupadas gerenciais;
};

class CMontaNota {
 public:
  CMontaNota(CUsaServidor& usa, vrmsuite::CQZBancoEmpresa& banco, long lPosicao)
      : m_usa(usa), m_banco(banco), m_lPosicao(lPosicao) {}

  HRESULT Cabecalho(tagREG_NOTA_FISCALPS& nf, bool* pbAchou);
  HRESULT Vetores(tagREG_NOTA_FISCALPS& nf);

 private:
  HRESULT Corrompido(const std::string& strMotivo) {
    return m_usa.Falha(QZ_E_REGISTRO_CORROMPIDO, "nota fiscal " + std::to_string(m_lPosicao) + ": " + strMotivo);
  }
  // Chave 0 é "nenhum"; outra chave tem de existir na tabela (fQuem a nomeia na falha).
  template <class FQuem>
  HRESULT Existe(const char* szSql, long long llChave, FQuem fQuem);
  HRESULT ChavesDoCabecalho(const tagREG_NOTA_FISCALPS& nf);
  HRESULT ItensProduto(tagREG_NOTA_FISCALPS& nf);
  HRESULT ItensServico(tagREG_NOTA_FISCALPS& nf);
  HRESULT Rateio(TRateiosDaOrigem& rateios, long long nItem, std::size_t nQtd,
                 const std::function<void(DWORD)>& fGravaBloco);
  // Uma consulta de linhas da nota agrupadas por nGrupo colunas (0: um grupo só).
  CLinhasAgrupadas DaNota(const char* szSql, int nGrupo = 0) {
    return CLinhasAgrupadas(m_banco, szSql, nGrupo, m_lPosicao);
  }

  // Lê as linhas do grupo corrente de linhas (o ordinal é 0, 1, …) num vetor de nQtd
  // elementos; o identificador vai para o registro pai antes de qualquer linha, para
  // que a liberação o alcance numa falha. fQuem dá o nome do vetor para as falhas;
  // fFilhos lê o que pende de cada elemento.
  template <class TElem, class FQuem, class FFilhos>
  HRESULT LeVetor(CLinhasAgrupadas& linhas, std::size_t nQtd, FQuem fQuem,
                  const std::function<void(DWORD)>& fGravaBloco, FFilhos fFilhos);

  CUsaServidor& m_usa;
  vrmsuite::CQZBancoEmpresa& m_banco;
  long m_lPosicao;
};

template <class FQuem>
HRESULT CMontaNota::Existe(const char* szSql, long long llChave, FQuem fQuem) {
  if (llChave == 0) return S_OK;
  CComando comando(m_banco, szSql);
  if (comando.LeGuardado(nullptr, llChave, nullptr, 0)) return S_OK;
  comando.Liga(1, llChave);
  if (comando.Proxima()) {
    comando.Guarda(nullptr, 0, llChave, nullptr, 0);
    return S_OK;
  }
  if (!comando.Erro().empty()) return m_usa.Falha(QZ_E_BANCO_DE_DADOS, comando.Erro());
  return Corrompido(fQuem() + " " + std::to_string(llChave) + " não existe");
}

constexpr const char* kSqlConta = "SELECT 1 FROM conta WHERE lPonteiro = ?";
constexpr const char* kSqlNatureza = "SELECT 1 FROM natureza WHERE iPonteiro = ?";
constexpr const char* kSqlUnidade = "SELECT 1 FROM unidade_medida WHERE iPonteiro = ?";

HRESULT CMontaNota::Cabecalho(tagREG_NOTA_FISCALPS& nf, bool* pbAchou) {
  CComando comando(m_banco, "SELECT * FROM nota_fiscal WHERE lPosicao = ?");
  comando.Liga(1, m_lPosicao);
  *pbAchou = comando.Proxima();
  if (!*pbAchou) return comando.Erro().empty() ? S_OK : m_usa.Falha(QZ_E_BANCO_DE_DADOS, comando.Erro());
  std::string strErro;
  HRESULT hr = vrmsuite::PreencheDaLinha(comando, nf, strErro);
  if (hr != S_OK) return m_usa.Falha(hr, "nota fiscal " + std::to_string(m_lPosicao) + ": " + strErro);
  return ChavesDoCabecalho(nf);
}

HRESULT CMontaNota::ChavesDoCabecalho(const tagREG_NOTA_FISCALPS& nf) {
  const struct {
    const char* szSql;
    long long llChave;
    const char* szQuem;
  } kChaves[] = {
      {"SELECT 1 FROM filial WHERE iPonteiro = ?", nf.iPonteiroFilial(), "a filial"},
      {kSqlConta, nf.lPonteiroCliente(), "a conta do cliente"},
      {kSqlConta, nf.lPonteiroTransportadora(), "a conta da transportadora"},
      {kSqlConta, nf.lEntradaRecursos(), "a conta de entrada de recursos"},
      {"SELECT 1 FROM documento WHERE iPonteiro = ?", nf.iPonteiroDocumento(), "o tipo de documento"},
      {"SELECT 1 FROM historico WHERE iPonteiro = ?", nf.iPonteiroHistorico(), "o histórico"},
      {kSqlNatureza, nf.iPonteiroCFOP(), "o CFOP"},
      {kSqlNatureza, nf.iPonteiroSitServico(), "a situação de serviço"},
  };
  if (nf.lPonteiroCliente() == 0) return Corrompido("a nota não tem cliente");
  for (const auto& c : kChaves)
    if (HRESULT hr = Existe(c.szSql, c.llChave, [&c] { return std::string(c.szQuem); }); hr != S_OK) return hr;
  return S_OK;
}

template <class TElem, class FQuem, class FFilhos>
HRESULT CMontaNota::LeVetor(CLinhasAgrupadas& linhas, std::size_t nQtd, FQuem fQuem,
                            const std::function<void(DWORD)>& fGravaBloco, FFilhos fFilhos) {
  TElem* pVetor = nullptr;
  if (nQtd > 0) {
    pVetor = static_cast<TElem*>(CoTaskMemAlloc(nQtd * sizeof(TElem)));
    if (pVetor == nullptr) return m_usa.Falha(E_OUTOFMEMORY, "sem memória para " + fQuem());
    std::memset(static_cast<void*>(pVetor), 0, nQtd * sizeof(TElem));
    fGravaBloco(CoTaskMemHandle(pVetor));
  }
  CComando& comando = linhas.Comando();
  std::size_t i = 0;
  for (; linhas.Proxima(); ++i) {
    if (i >= nQtd)
      return Corrompido(fQuem() + ": há mais linhas no banco que a quantidade " + std::to_string(nQtd) +
                        " do registro");
    long long nOrdinal = sqlite3_column_int64(comando.Bruto(), 0);
    if (nOrdinal != static_cast<long long>(i))
      return Corrompido(fQuem() + ": esperava a linha " + std::to_string(i) + ", veio a " + std::to_string(nOrdinal));
    std::string strErro;
    if (HRESULT hr = vrmsuite::PreencheDaLinha(comando, pVetor[i], strErro); hr != S_OK)
      return m_usa.Falha(
          hr, "nota fiscal " + std::to_string(m_lPosicao) + ", " + fQuem() + " " + std::to_string(i) + ": " + strErro);
    if (HRESULT hr = fFilhos(pVetor[i], nOrdinal); hr != S_OK) return hr;
  }
  if (!comando.Erro().empty()) return m_usa.Falha(QZ_E_BANCO_DE_DADOS, comando.Erro());
  if (i < nQtd)
    return Corrompido(fQuem() + ": o registro diz " + std::to_string(nQtd) + " e o banco tem " + std::to_string(i) +
                      " linhas");
  return S_OK;
}

HRESULT CMontaNota::Rateio(TRateiosDaOrigem& rateios, long long nItem, std::size_t nQtd,
                           const std::function<void(DWORD)>& fGravaBloco) {
  const auto fQuem = [&] { return std::string("rateio ") + rateios.szOrigem + " do item " + std::to_string(nItem); };
  rateios.linhas.Grupo(nItem);
  return LeVetor<tagREG_RATEIO_NFPS>(
      rateios.linhas, nQtd, fQuem, fGravaBloco, [&](tagREG_RATEIO_NFPS& linha, long long nLinha) {
        const auto fConta = [&] { return fQuem() + ": a conta"; };
        if (HRESULT hr = Existe(kSqlConta, linha.lContaEmpresarialNF(), fConta); hr != S_OK) return hr;
        rateios.gerenciais.Grupo(nItem, nLinha);
        return LeVetor<tagREG_RATEIO_GERENCIAL_NFPS>(
            rateios.gerenciais, linha.iQtdGerencial(),
            [&] { return fQuem() + ", linhas gerenciais da linha " + std::to_string(nLinha); },
            [&](DWORD h) { linha.Set_hGerencial(h); }, [](tagREG_RATEIO_GERENCIAL_NFPS&, long long) { return S_OK; });
      });
}

HRESULT CMontaNota::ItensProduto(tagREG_NOTA_FISCALPS& nf) {
  CLinhasAgrupadas itens =
      DaNota("SELECT nItem AS nOrdinal, * FROM nf_item_produto WHERE lPosicaoNota = ? ORDER BY nItem");
  CLinhasAgrupadas detalhes = DaNota(
      "SELECT nDetalhe AS nOrdinal, nItem, * FROM nf_detalhe_estoque WHERE lPosicaoNota = ? "
      "ORDER BY nItem, nDetalhe",
      1);
  TRateiosDaOrigem rateios(m_banco, m_lPosicao, "P");
  return LeVetor<tagREG_ITENS_PRODUTO_NFPS>(
      itens, nf.iQtdItensProduto(), [] { return std::string("itens de produto"); },
      [&](DWORD h) { nf.Set_hItensProduto(h); },
      [&](tagREG_ITENS_PRODUTO_NFPS& item, long long nItem) {
        const auto fQuem = [nItem] { return "item de produto " + std::to_string(nItem); };
        const struct {
          const char* szSql;
          long long llChave;
          const char* szQuem;
        } kChaves[] = {{"SELECT 1 FROM produto WHERE lPonteiro = ?", item.lPosicaoProduto(), ": o produto"},
                       {kSqlUnidade, item.iPonteiroUnidadeMedida(), ": a unidade"},
                       {kSqlNatureza, item.iPonteiroCFOP(), ": o CFOP"}};
        for (const auto& c : kChaves)
          if (HRESULT hr = Existe(c.szSql, c.llChave, [&] { return fQuem() + c.szQuem; }); hr != S_OK) return hr;
        detalhes.Grupo(nItem);
        HRESULT hr = LeVetor<tagREG_DETALHE_ESTOQUE_NFPS>(
            detalhes, item.iQtdDetalhes(), [&] { return "detalhes de estoque do " + fQuem(); },
            [&](DWORD h) { item.Set_hDetalhes(h); }, [](tagREG_DETALHE_ESTOQUE_NFPS&, long long) { return S_OK; });
        if (hr != S_OK) return hr;
        return Rateio(rateios, nItem, item.iQtdRateio(), [&](DWORD h) { item.Set_hRateio(h); });
      });
}
HRESULT CMontaNota::ItensServico(tagREG_NOTA_FISCALPS& nf) {
  CLinhasAgrupadas itens =
      DaNota("SELECT nItem AS nOrdinal, * FROM nf_item_servico WHERE lPosicaoNota = ? ORDER BY nItem");
  CLinhasAgrupadas deducoes = DaNota(
      "SELECT nOrdem AS nOrdinal, nItem, nRetencao, * FROM nf_deducao WHERE lPosicaoNota = ? "
      "ORDER BY nItem, nRetencao, nOrdem",
      2);
  TRateiosDaOrigem rateios(m_banco, m_lPosicao, "S");
  return LeVetor<tagREG_ITENS_SERVICO_NFPS>(
      itens, nf.iQtdItensServico(), [] { return std::string("itens de serviço"); },
      [&](DWORD h) { nf.Set_hItensServico(h); },
      [&](tagREG_ITENS_SERVICO_NFPS& item, long long nItem) {
        const auto fQuem = [nItem] { return "item de serviço " + std::to_string(nItem); };
        const auto fUnidade = [&] { return fQuem() + ": a unidade"; };
        if (HRESULT hr = Existe(kSqlUnidade, item.iUnidadeMedida(), fUnidade); hr != S_OK) return hr;
        const auto fSituacao = [&] { return fQuem() + ": a situação"; };
        if (HRESULT hr = Existe(kSqlNatureza, item.iPonteiroSitServico(), fSituacao); hr != S_OK) return hr;
        // As retenções em ordem crescente, a ordem das linhas da consulta.
        const struct {
          int nRetencao;
          std::size_t nQtd;
          void (tagREG_ITENS_SERVICO_NFPS::*pGrava)(DWORD);
        } kDeducoes[] = {{1, item.byQtdDeducoes1(), &tagREG_ITENS_SERVICO_NFPS::Set_hDeducoes1},
                         {5, item.byQtdDeducoes5(), &tagREG_ITENS_SERVICO_NFPS::Set_hDeducoes5},
                         {6, item.byQtdDeducoes6(), &tagREG_ITENS_SERVICO_NFPS::Set_hDeducoes6}};
        for (const auto& d : kDeducoes) {
          deducoes.Grupo(nItem, d.nRetencao);
          HRESULT hr = LeVetor<tagREG_DEDUCAO_NFPS>(
              deducoes, d.nQtd,
              [&] { return "deduções da retenção " + std::to_string(d.nRetencao) + " do " + fQuem(); },
              [&](DWORD h) { (item.*d.pGrava)(h); }, [](tagREG_DEDUCAO_NFPS&, long long) { return S_OK; });
          if (hr != S_OK) return hr;
        }
        return Rateio(rateios, nItem, item.iQtdRateio(), [&](DWORD h) { item.Set_hRateio(h); });
      });
}

HRESULT CMontaNota::Vetores(tagREG_NOTA_FISCALPS& nf) {
  if (HRESULT hr = ItensProduto(nf); hr != S_OK) return hr;
  if (HRESULT hr = ItensServico(nf); hr != S_OK) return hr;
  CLinhasAgrupadas parcelas =
      DaNota("SELECT byOrdem AS nOrdinal, * FROM nf_parcela WHERE lPosicaoNota = ? ORDER BY byOrdem");
  HRESULT hr = LeVetor<tagREG_PARCELA_NFPS>(
      parcelas, nf.byQtdParcelas(), [] { return std::string("parcelas"); }, [&](DWORD h) { nf.Set_hParcelas(h); },
      [](tagREG_PARCELA_NFPS&, long long) { return S_OK; });
  if (hr != S_OK) return hr;
  CLinhasAgrupadas mensagens =
      DaNota("SELECT nOrdem AS nOrdinal, * FROM nf_mensagem WHERE lPosicaoNota = ? ORDER BY nOrdem");
  hr = LeVetor<tagREG_MENSAGEM_INFORMADA_NFPS>(
      mensagens, nf.iQtdMensagens(), [] { return std::string("mensagens informadas"); },
      [&](DWORD h) { nf.Set_hMensagens(h); }, [](tagREG_MENSAGEM_INFORMADA_NFPS&, long long) { return S_OK; });
  if (hr != S_OK) return hr;
  TRateiosDaOrigem rateios(m_banco, m_lPosicao, "N");
  return Rateio(rateios, 0, nf.iQtdRateioTotal(), [&](DWORD h) { nf.Set_hRateioTotal(h); });
}

}  // namespace

HRESULT CUsaServidor::LeDFNotasFiscais(IQZServidor** ppINotasFiscais, long lPosicao, tagREG_NOTA_FISCALPS** ppRegNF) {
  if (ppRegNF == nullptr) return Falha(E_POINTER, "LeDFNotasFiscais: destino nulo");
  *ppRegNF = nullptr;
  HRESULT hr = vrmsuite::EntradaLeitura(*this, "LeDFNotasFiscais", ppINotasFiscais, IQZServidor::NOTAS_FISCAIS);
  if (hr != S_OK) return hr;
  auto* pNF = static_cast<tagREG_NOTA_FISCALPS*>(CoTaskMemAlloc(sizeof(tagREG_NOTA_FISCALPS)));
  if (pNF == nullptr) return Falha(E_OUTOFMEMORY, "LeDFNotasFiscais: sem memória");
  pNF->Zera();
  CMontaNota monta(*this, (*ppINotasFiscais)->GetBanco(), lPosicao);
  bool bAchou = false;
  hr = monta.Cabecalho(*pNF, &bAchou);
  if (hr == S_OK && !bAchou)
    hr = Falha(QZ_E_REGISTRO_NAO_ENCONTRADO, "nota fiscal " + std::to_string(lPosicao) + " não existe");
  if (hr == S_OK) hr = monta.Vetores(*pNF);
  if (hr != S_OK) {
    pNF->Libera();
    CoTaskMemFree(pNF);
    return hr;
  }
  if (vrmsuite::TAlteraNota pAltera = vrmsuite::AlteracaoNotaProgramada()) pAltera(*pNF);
  *ppRegNF = pNF;
  return S_OK;
}
