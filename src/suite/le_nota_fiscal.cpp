// LeDFNotasFiscais: monta a nota fiscal comercial a partir do banco — a linha da nota,
// os itens de produto com detalhes de estoque e rateio, os itens de serviço com
// deduções e rateio, as parcelas, as mensagens e o rateio da nota inteira —, tudo
// alocado pelo alocador de tarefas. Quantidades que não batem com as linhas e chaves
// estrangeiras desconhecidas são falhas; na falha nada fica alocado.
#include <cstring>
#include <functional>

#include "leitura_comum.h"

namespace {

using vrmsuite::CComando;

class CMontaNota {
 public:
  CMontaNota(CUsaServidor& usa, vrmsuite::CQZBancoEmpresa& banco, long lPosicao)
      : m_usa(usa), m_banco(banco), m_lPosicao(lPosicao) {}

  HRESULT Cabecalho(tagREG_NOTA_FISCALPS& nf, bool* pbAchou);
  HRESULT Vetores(tagREG_NOTA_FISCALPS& nf);

 private:
  HRESULT Corrompido(const std::string& strMotivo) {
    return m_usa.Falha(QZ_E_REGISTRO_CORROMPIDO,
                       "nota fiscal " + std::to_string(m_lPosicao) + ": " + strMotivo);
  }
  // Chave 0 é "nenhum"; outra chave tem de existir na tabela.
  HRESULT Existe(const char* szSql, long long llChave, const std::string& strQuem);
  HRESULT ChavesDoCabecalho(const tagREG_NOTA_FISCALPS& nf);
  HRESULT ItemProduto(tagREG_ITENS_PRODUTO_NFPS& item, long long nItem);
  HRESULT ItemServico(tagREG_ITENS_SERVICO_NFPS& item, long long nItem);
  HRESULT Rateio(const char* szOrigem, long long nItem, std::size_t nQtd,
                 const std::function<void(DWORD)>& fGravaBloco);

  // Lê as linhas de szSql (a primeira coluna, nOrdinal, é 0, 1, …) num vetor de nQtd
  // elementos; o identificador vai para o registro pai antes de qualquer linha, para
  // que a liberação o alcance numa falha. fFilhos lê o que pende de cada elemento.
  template <class TElem, class FLiga, class FFilhos>
  HRESULT LeVetor(const char* szSql, FLiga fLiga, std::size_t nQtd, const std::string& strQuem,
                  const std::function<void(DWORD)>& fGravaBloco, FFilhos fFilhos);

  CUsaServidor& m_usa;
  vrmsuite::CQZBancoEmpresa& m_banco;
  long m_lPosicao;
};

HRESULT CMontaNota::Existe(const char* szSql, long long llChave, const std::string& strQuem) {
  if (llChave == 0) return S_OK;
  CComando comando(m_banco, szSql);
  comando.Liga(1, llChave);
  if (comando.Proxima()) return S_OK;
  if (!comando.Erro().empty()) return m_usa.Falha(QZ_E_BANCO_DE_DADOS, comando.Erro());
  return Corrompido(strQuem + " " + std::to_string(llChave) + " não existe");
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
    if (HRESULT hr = Existe(c.szSql, c.llChave, c.szQuem); hr != S_OK) return hr;
  return S_OK;
}

template <class TElem, class FLiga, class FFilhos>
HRESULT CMontaNota::LeVetor(const char* szSql, FLiga fLiga, std::size_t nQtd,
                            const std::string& strQuem,
                            const std::function<void(DWORD)>& fGravaBloco, FFilhos fFilhos) {
  TElem* pVetor = nullptr;
  if (nQtd > 0) {
    pVetor = static_cast<TElem*>(CoTaskMemAlloc(nQtd * sizeof(TElem)));
    if (pVetor == nullptr) return m_usa.Falha(E_OUTOFMEMORY, "sem memória para " + strQuem);
    std::memset(static_cast<void*>(pVetor), 0, nQtd * sizeof(TElem));
    fGravaBloco(CoTaskMemHandle(pVetor));
  }
  CComando comando(m_banco, szSql);
  fLiga(comando);
  std::size_t i = 0;
  for (; comando.Proxima(); ++i) {
    if (i >= nQtd)
      return Corrompido(strQuem + ": há mais linhas no banco que a quantidade " +
                        std::to_string(nQtd) + " do registro");
    long long nOrdinal = sqlite3_column_int64(comando.Bruto(), 0);
    if (nOrdinal != static_cast<long long>(i))
      return Corrompido(strQuem + ": esperava a linha " + std::to_string(i) + ", veio a " +
                        std::to_string(nOrdinal));
    std::string strErro;
    if (HRESULT hr = vrmsuite::PreencheDaLinha(comando, pVetor[i], strErro); hr != S_OK)
      return m_usa.Falha(hr, "nota fiscal " + std::to_string(m_lPosicao) + ", " + strQuem + " " +
                                 std::to_string(i) + ": " + strErro);
    if (HRESULT hr = fFilhos(pVetor[i], nOrdinal); hr != S_OK) return hr;
  }
  if (!comando.Erro().empty()) return m_usa.Falha(QZ_E_BANCO_DE_DADOS, comando.Erro());
  if (i < nQtd)
    return Corrompido(strQuem + ": o registro diz " + std::to_string(nQtd) + " e o banco tem " +
                      std::to_string(i) + " linhas");
  return S_OK;
}

HRESULT CMontaNota::Rateio(const char* szOrigem, long long nItem, std::size_t nQtd,
                           const std::function<void(DWORD)>& fGravaBloco) {
  std::string strQuem = std::string("rateio ") + szOrigem + " do item " + std::to_string(nItem);
  return LeVetor<tagREG_RATEIO_NFPS>(
      "SELECT nLinha AS nOrdinal, * FROM nf_rateio WHERE lPosicaoNota = ? AND cOrigem = ? "
      "AND nItem = ? ORDER BY nLinha",
      [&](CComando& c) { c.Liga(1, m_lPosicao).Liga(2, szOrigem).Liga(3, nItem); }, nQtd, strQuem,
      fGravaBloco, [&](tagREG_RATEIO_NFPS& linha, long long nLinha) {
        if (HRESULT hr = Existe(kSqlConta, linha.lContaEmpresarialNF(), strQuem + ": a conta");
            hr != S_OK)
          return hr;
        return LeVetor<tagREG_RATEIO_GERENCIAL_NFPS>(
            "SELECT nGerencial AS nOrdinal, * FROM nf_rateio_gerencial WHERE lPosicaoNota = ? "
            "AND cOrigem = ? AND nItem = ? AND nLinha = ? ORDER BY nGerencial",
            [&](CComando& c) {
              c.Liga(1, m_lPosicao).Liga(2, szOrigem).Liga(3, nItem).Liga(4, nLinha);
            },
            linha.iQtdGerencial(), strQuem + ", linhas gerenciais da linha " + std::to_string(nLinha),
            [&](DWORD h) { linha.Set_hGerencial(h); },
            [](tagREG_RATEIO_GERENCIAL_NFPS&, long long) { return S_OK; });
      });
}

HRESULT CMontaNota::ItemProduto(tagREG_ITENS_PRODUTO_NFPS& item, long long nItem) {
  std::string strQuem = "item de produto " + std::to_string(nItem);
  if (HRESULT hr = Existe("SELECT 1 FROM produto WHERE lPonteiro = ?", item.lPosicaoProduto(),
                          strQuem + ": o produto");
      hr != S_OK)
    return hr;
  if (HRESULT hr = Existe(kSqlUnidade, item.iPonteiroUnidadeMedida(), strQuem + ": a unidade");
      hr != S_OK)
    return hr;
  if (HRESULT hr = Existe(kSqlNatureza, item.iPonteiroCFOP(), strQuem + ": o CFOP"); hr != S_OK)
    return hr;
  HRESULT hr = LeVetor<tagREG_DETALHE_ESTOQUE_NFPS>(
      "SELECT nDetalhe AS nOrdinal, * FROM nf_detalhe_estoque WHERE lPosicaoNota = ? AND nItem = ? "
      "ORDER BY nDetalhe",
      [&](CComando& c) { c.Liga(1, m_lPosicao).Liga(2, nItem); }, item.iQtdDetalhes(),
      "detalhes de estoque do " + strQuem, [&](DWORD h) { item.Set_hDetalhes(h); },
      [](tagREG_DETALHE_ESTOQUE_NFPS&, long long) { return S_OK; });
  if (hr != S_OK) return hr;
  return Rateio("P", nItem, item.iQtdRateio(), [&](DWORD h) { item.Set_hRateio(h); });
}

HRESULT CMontaNota::ItemServico(tagREG_ITENS_SERVICO_NFPS& item, long long nItem) {
  std::string strQuem = "item de serviço " + std::to_string(nItem);
  if (HRESULT hr = Existe(kSqlUnidade, item.iUnidadeMedida(), strQuem + ": a unidade"); hr != S_OK)
    return hr;
  if (HRESULT hr = Existe(kSqlNatureza, item.iPonteiroSitServico(), strQuem + ": a situação");
      hr != S_OK)
    return hr;
  const struct {
    int nRetencao;
    std::size_t nQtd;
    void (tagREG_ITENS_SERVICO_NFPS::*pGrava)(DWORD);
  } kDeducoes[] = {{1, item.byQtdDeducoes1(), &tagREG_ITENS_SERVICO_NFPS::Set_hDeducoes1},
                   {5, item.byQtdDeducoes5(), &tagREG_ITENS_SERVICO_NFPS::Set_hDeducoes5},
                   {6, item.byQtdDeducoes6(), &tagREG_ITENS_SERVICO_NFPS::Set_hDeducoes6}};
  for (const auto& d : kDeducoes) {
    HRESULT hr = LeVetor<tagREG_DEDUCAO_NFPS>(
        "SELECT nOrdem AS nOrdinal, * FROM nf_deducao WHERE lPosicaoNota = ? AND nItem = ? "
        "AND nRetencao = ? ORDER BY nOrdem",
        [&](CComando& c) { c.Liga(1, m_lPosicao).Liga(2, nItem).Liga(3, d.nRetencao); }, d.nQtd,
        "deduções da retenção " + std::to_string(d.nRetencao) + " do " + strQuem,
        [&](DWORD h) { (item.*d.pGrava)(h); },
        [](tagREG_DEDUCAO_NFPS&, long long) { return S_OK; });
    if (hr != S_OK) return hr;
  }
  return Rateio("S", nItem, item.iQtdRateio(), [&](DWORD h) { item.Set_hRateio(h); });
}

HRESULT CMontaNota::Vetores(tagREG_NOTA_FISCALPS& nf) {
  auto fLigaNota = [&](CComando& c) { c.Liga(1, m_lPosicao); };
  HRESULT hr = LeVetor<tagREG_ITENS_PRODUTO_NFPS>(
      "SELECT nItem AS nOrdinal, * FROM nf_item_produto WHERE lPosicaoNota = ? ORDER BY nItem",
      fLigaNota, nf.iQtdItensProduto(), "itens de produto",
      [&](DWORD h) { nf.Set_hItensProduto(h); },
      [&](tagREG_ITENS_PRODUTO_NFPS& item, long long n) { return ItemProduto(item, n); });
  if (hr != S_OK) return hr;
  hr = LeVetor<tagREG_ITENS_SERVICO_NFPS>(
      "SELECT nItem AS nOrdinal, * FROM nf_item_servico WHERE lPosicaoNota = ? ORDER BY nItem",
      fLigaNota, nf.iQtdItensServico(), "itens de serviço",
      [&](DWORD h) { nf.Set_hItensServico(h); },
      [&](tagREG_ITENS_SERVICO_NFPS& item, long long n) { return ItemServico(item, n); });
  if (hr != S_OK) return hr;
  hr = LeVetor<tagREG_PARCELA_NFPS>(
      "SELECT byOrdem AS nOrdinal, * FROM nf_parcela WHERE lPosicaoNota = ? ORDER BY byOrdem",
      fLigaNota, nf.byQtdParcelas(), "parcelas", [&](DWORD h) { nf.Set_hParcelas(h); },
      [](tagREG_PARCELA_NFPS&, long long) { return S_OK; });
  if (hr != S_OK) return hr;
  hr = LeVetor<tagREG_MENSAGEM_INFORMADA_NFPS>(
      "SELECT nOrdem AS nOrdinal, * FROM nf_mensagem WHERE lPosicaoNota = ? ORDER BY nOrdem",
      fLigaNota, nf.iQtdMensagens(), "mensagens informadas",
      [&](DWORD h) { nf.Set_hMensagens(h); },
      [](tagREG_MENSAGEM_INFORMADA_NFPS&, long long) { return S_OK; });
  if (hr != S_OK) return hr;
  return Rateio("N", 0, nf.iQtdRateioTotal(), [&](DWORD h) { nf.Set_hRateioTotal(h); });
}

}  // namespace

HRESULT CUsaServidor::LeDFNotasFiscais(IQZServidor** ppINotasFiscais, long lPosicao,
                                       tagREG_NOTA_FISCALPS** ppRegNF) {
  if (ppRegNF == nullptr) return Falha(E_POINTER, "LeDFNotasFiscais: destino nulo");
  *ppRegNF = nullptr;
  HRESULT hr = vrmsuite::EntradaLeitura(*this, "LeDFNotasFiscais", ppINotasFiscais,
                                        IQZServidor::NOTAS_FISCAIS);
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
