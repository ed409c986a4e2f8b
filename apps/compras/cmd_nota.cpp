// compras nota mostrar POS: lê a nota fiscal comercial pelo servidor da suíte e a
// mostra como veio — cabeçalho, itens com detalhes e rateio, serviços com retenções e
// deduções, parcelas, rateio da nota inteira e mensagens —, legível ou em JSON.
// compras nota listar: as notas da empresa, uma por linha, com a posição a mostrar;
// compras nota importar (cmd_importa.cpp): as notas num registro de entrada.
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "comandos.h"
#include "escritor.h"
#include "vrmwnd/base/CQZCurrencyEx.h"
#include "vrmwnd/suite.h"

namespace compras {
namespace {

void MostraGerencial(CEscritor& e, const tagREG_RATEIO_NFPS& linha) {
  auto gerenciais = linha.Gerencial();
  e.AbreLista("gerencial", "Linhas gerenciais", gerenciais.size());
  for (std::size_t k = 0; k < gerenciais.size(); ++k) {
    e.AbreElemento(k);
    e.Moeda("valor", "Valor", gerenciais[k].cyValor());
    e.Numero("planoEmpresarial", "Plano empresarial", gerenciais[k].lPlanoEmpresarial());
    e.Numero("planoGerencial", "Plano gerencial", gerenciais[k].lPlanoGerencial());
    e.FechaElemento();
  }
  e.FechaLista();
}

template <class TVetor>
void MostraRateio(CEscritor& e, const char* szChave, const char* szRotulo, const TVetor& linhas) {
  e.AbreLista(szChave, szRotulo, linhas.size());
  for (std::size_t i = 0; i < linhas.size(); ++i) {
    e.AbreElemento(i);
    e.Moeda("valor", "Valor", linhas[i].cyValor());
    e.Moeda("quantidade", "Quantidade", linhas[i].cyQuantidade(), 4);
    e.Numero("conta", "Conta", linhas[i].lContaEmpresarialNF());
    MostraGerencial(e, linhas[i]);
    e.FechaElemento();
  }
  e.FechaLista();
}

void MostraOrigem(CEscritor& e, const tagREG_NOTA_FISCAL_ORIGEM_NFPS& origem) {
  e.Numero("origemTipo", "Origem: tipo", origem.byTipoOrigem());
  if (origem.lChaveNFCM() == 0 && origem.szNumero().empty()) return;
  e.Numero("origemChave", "Origem: posição", origem.lChaveNFCM());
  e.Texto("origemNumero", "Origem: número", origem.szNumero());
  e.Texto("origemSerie", "Origem: série", origem.szSerie());
  e.Texto("origemModelo", "Origem: modelo", origem.szModelo());
  e.Data("origemEmissao", "Origem: emissão", origem.dmaEmissao());
  e.Moeda("origemTotal", "Origem: total", origem.cyTotal());
}

void MostraProdutos(CEscritor& e, const tagREG_NOTA_FISCALPS& nf) {
  auto itens = nf.ItensProduto();
  e.AbreLista("itensProduto", "Itens de produto", itens.size());
  for (std::size_t i = 0; i < itens.size(); ++i) {
    const tagREG_ITENS_PRODUTO_NFPS& item = itens[i];
    e.AbreElemento(i);
    e.Numero("produto", "Produto", item.lPosicaoProduto());
    e.Texto("complemento", "Complemento", item.szComplemento());
    e.Numero("cfop", "CFOP", item.iPonteiroCFOP());
    e.Numero("unidade", "Unidade", item.iPonteiroUnidadeMedida());
    e.Moeda("quantidade", "Quantidade", item.cyQuantidade(), 4);
    e.Numero("valorUnitarioV8", "Valor unitário (V8)", item.llValorUnitarioV8());
    e.Moeda("total", "Total", item.cyValorTotal());
    e.Moeda("ipi", "IPI", item.cyValorIPI());
    e.Numero("ignorado", "Ignorado", item.byIgnorar());
    if (!item.szLoteNumero().empty()) e.Texto("lote", "Lote", item.szLoteNumero());
    if (!item.szArmaFogoSerie().empty()) e.Texto("armaSerie", "Arma: série", item.szArmaFogoSerie());
    if (!item.szDINumero().empty()) e.Texto("di", "Declaração de importação", item.szDINumero());
    MostraOrigem(e, item.regNFOrigem());
    auto detalhes = item.Detalhes();
    e.AbreLista("detalhes", "Detalhes de estoque", detalhes.size());
    for (std::size_t d = 0; d < detalhes.size(); ++d) {
      e.AbreElemento(d);
      e.Moeda("quantidade", "Quantidade", detalhes[d].cyQuantidade(), 4);
      e.Numero("lote", "Lote", detalhes[d].regLote().lPonteiroLoteES());
      e.Numero("volume", "Volume", detalhes[d].regVolume().lPonteiroVolumeES());
      e.Numero("local", "Local", detalhes[d].iLocal());
      e.FechaElemento();
    }
    e.FechaLista();
    MostraRateio(e, "rateio", "Rateio", item.Rateio());
    e.FechaElemento();
  }
  e.FechaLista();
}

void MostraServicos(CEscritor& e, const tagREG_NOTA_FISCALPS& nf) {
  auto itens = nf.ItensServico();
  e.AbreLista("itensServico", "Itens de serviço", itens.size());
  for (std::size_t i = 0; i < itens.size(); ++i) {
    const tagREG_ITENS_SERVICO_NFPS& item = itens[i];
    e.AbreElemento(i);
    e.Numero("servico", "Serviço", item.lPonteiroServico());
    e.Texto("complemento", "Complemento", item.szComplemento());
    e.Moeda("quantidade", "Quantidade", item.cyQuantidade(), 4);
    e.Moeda("total", "Total", item.cyValorTotal());
    e.Moeda("liquido", "Líquido", item.cyValorLiquido());
    const struct {
      const char* szChave;
      const char* szRotulo;
      CY valor;
    } kRetencoes[] = {
        {"retencao1", "Retenção 1", item.cyValorRetencao1()}, {"retencao2", "Retenção 2", item.cyValorRetencao2()},
        {"retencao3", "Retenção 3", item.cyValorRetencao3()}, {"retencao4", "Retenção 4", item.cyValorRetencao4()},
        {"retencao5", "Retenção 5", item.cyValorRetencao5()}, {"retencao6", "Retenção 6", item.cyValorRetencao6()}};
    for (const auto& r : kRetencoes) e.Moeda(r.szChave, r.szRotulo, r.valor);
    const struct {
      const char* szChave;
      const char* szRotulo;
      vrmsuite::TVetorLayout<const tagREG_DEDUCAO_NFPS> deducoes;
    } kDeducoes[] = {{"deducoes1", "Deduções da retenção 1", item.Deducoes1()},
                     {"deducoes5", "Deduções da retenção 5", item.Deducoes5()},
                     {"deducoes6", "Deduções da retenção 6", item.Deducoes6()}};
    for (const auto& d : kDeducoes) {
      e.AbreLista(d.szChave, d.szRotulo, d.deducoes.size());
      for (std::size_t k = 0; k < d.deducoes.size(); ++k) {
        e.AbreElemento(k);
        e.Moeda("valor", "Valor", d.deducoes[k].cyValor());
        e.Texto("descricao", "Descrição", d.deducoes[k].szDescricao());
        e.Numero("sinal", "Sinal", d.deducoes[k].bySinal());
        e.FechaElemento();
      }
      e.FechaLista();
    }
    MostraRateio(e, "rateio", "Rateio", item.Rateio());
    e.FechaElemento();
  }
  e.FechaLista();
}

void MostraCabecalho(CEscritor& e, const tagREG_NOTA_FISCALPS& nf, CServidoresCompartilhados& s) {
  e.Numero("posicao", "Posição", nf.lPosicao());
  e.Numero("numero", "Número", nf.lNumero());
  e.Texto("serie", "Série", nf.szSerie());
  e.Numero("tipo", "Tipo", nf.byTipoNota());
  e.Numero("situacao", "Situação", nf.bySituacao());
  e.Numero("filial", "Filial", nf.iPonteiroFilial());
  e.Texto("filialNome", "Nome da filial", s.LeDFFilial(nf.iPonteiroFilial()).szNome());
  e.Numero("cliente", "Fornecedor (conta)", nf.lPonteiroCliente());
  e.Texto("clienteNome", "Nome do fornecedor", s.LeConta(nf.lPonteiroCliente()).szDescricao());
  e.Data("emissao", "Emissão", nf.dmaEmissao());
  e.Data("saida", "Saída", nf.dmaSaida());
  e.Numero("documento", "Tipo de documento", nf.iPonteiroDocumento());
  e.Numero("cfop", "CFOP principal", nf.iPonteiroCFOP());
  e.Numero("situacaoServico", "Situação de serviço", nf.iPonteiroSitServico());
  e.Numero("historico", "Histórico", nf.iPonteiroHistorico());
  e.Texto("complementoHistorico", "Complemento do histórico", nf.szComplementoHistorico());
  e.Texto("chaveAcesso", "Chave de acesso", nf.regNFe().ChaveAcesso());
  e.Moeda("frete", "Frete", nf.cyFrete());
  e.Moeda("seguro", "Seguro", nf.cySeguro());
  e.Moeda("despesas", "Despesas acessórias", nf.cyDespesasAcessorias());
  e.Moeda("desconto1", "Desconto 1", nf.cyDesconto1());
  e.Moeda("desconto2", "Desconto 2", nf.cyDesconto2());
  e.Moeda("baseIPI", "Base do IPI", nf.cyBaseIPI());
  e.Moeda("ipi", "IPI", nf.cyValorIPI());
  e.Moeda("volumes", "Volumes", nf.cyQtdVolumes(), 4);
  e.Texto("especie", "Espécie", nf.szEspecieVolume());
  e.Moeda("pesoBruto", "Peso bruto", nf.cyPesoBruto(), 4);
  e.Moeda("pesoLiquido", "Peso líquido", nf.cyPesoLiquido(), 4);
  e.Numero("transportadora", "Transportadora", nf.lPonteiroTransportadora());
  e.Numero("viaTransporte", "Via de transporte", nf.byViaTransporte());
  e.Numero("fretePorConta", "Frete por conta", nf.byFretePorConta());
  e.Texto("placa1", "Placa 1", nf.szPlaca1());
  MostraOrigem(e, nf.regNFOrigem());
}

void MostraNota(CEscritor& e, const tagREG_NOTA_FISCALPS& nf, CServidoresCompartilhados& s) {
  e.Comeca();
  MostraCabecalho(e, nf, s);
  MostraProdutos(e, nf);
  MostraServicos(e, nf);
  auto parcelas = nf.Parcelas();
  e.AbreLista("parcelas", "Parcelas", parcelas.size());
  for (std::size_t i = 0; i < parcelas.size(); ++i) {
    e.AbreElemento(i);
    e.Moeda("valor", "Valor", parcelas[i].cyValor());
    e.Data("vencimento", "Vencimento", parcelas[i].dmaVencimento());
    e.Numero("tipoVencimento", "Tipo de vencimento", parcelas[i].byTipoVencimento());
    e.FechaElemento();
  }
  e.FechaLista();
  MostraRateio(e, "rateioNota", "Rateio da nota inteira", nf.RateioTotal());
  auto mensagens = nf.Mensagens();
  e.AbreLista("mensagens", "Mensagens informadas", mensagens.size());
  for (std::size_t i = 0; i < mensagens.size(); ++i) {
    e.AbreElemento(i);
    e.Texto("destino", "Destino", mensagens[i].byDestino() == 0 ? "fisco" : "contribuinte");
    e.Texto("texto", "Texto", mensagens[i].szTexto());
    e.FechaElemento();
  }
  e.FechaLista();
  e.Termina();
}

// O texto seguido de espaços até nLargura caracteres (não bytes: os nomes têm acentos).
std::string Coluna(std::string_view sTexto, std::size_t nLargura) {
  std::size_t nCaracteres = 0;
  for (char c : sTexto)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++nCaracteres;
  std::string s(sTexto);
  if (nCaracteres < nLargura) s.append(nLargura - nCaracteres, ' ');
  return s;
}

// Total da nota: itens de produto (menos os ignorados) e de serviço, IPI, frete,
// seguro e despesas, menos os dois descontos.
CY TotalDaNota(const tagREG_NOTA_FISCALPS& nf) {
  CY cyTotal =
      nf.cyValorIPI() + nf.cyFrete() + nf.cySeguro() + nf.cyDespesasAcessorias() - nf.cyDesconto1() - nf.cyDesconto2();
  for (const tagREG_ITENS_PRODUTO_NFPS& item : nf.ItensProduto())
    if (item.byIgnorar() == 0) cyTotal += item.cyValorTotal();
  for (const tagREG_ITENS_SERVICO_NFPS& item : nf.ItensServico()) cyTotal += item.cyValorTotal();
  return cyTotal;
}

// Uma linha da lista: posição, número, fornecedor, emissão e total.
HRESULT ListaNota(CServidoresCompartilhados& s, long lPosicao) {
  CUsaServidor& usa = *s.GetUsaServidor();
  tagREG_NOTA_FISCALPS* pNF = nullptr;
  HRESULT hr = usa.LeDFNotasFiscais(s.m_ppINotasFiscais, lPosicao, &pNF);
  if (hr != S_OK) return hr;
  _RegCFRT cfrt;
  hr = usa.LeDFCFRT(s.m_ppICFRT, s.m_ppIPlano, 0, pNF->lPonteiroCliente(), 0, &cfrt, nullptr, nullptr, nullptr, nullptr,
                    nullptr, nullptr, nullptr, nullptr);
  if (hr == S_OK) {
    char szEmissao[16] = "";
    QZDataTexto(szEmissao, sizeof szEmissao, pNF->dmaEmissao(), QZ_DATA_DMAAAA, '/', true);
    char szTotal[64];
    CQZCurrencyEx::Formata(TotalDaNota(*pNF), 2, szTotal);
    std::printf("%-8ld %-8ld %s %-10s %14s\n", lPosicao, static_cast<long>(pNF->lNumero()),
                Coluna(cfrt.szNome(), 32).c_str(), szEmissao, szTotal);
  }
  pNF->Libera();
  CoTaskMemFree(pNF);
  return hr;
}

// Lê as opções a partir de argv[nPrimeira]: --empresa NOME e, quando pbJson não é
// nulo, --json. false numa opção desconhecida.
bool LeOpcoes(int argc, char** argv, int nPrimeira, const char*& szEmpresa, bool* pbJson) {
  for (int i = nPrimeira; i < argc; ++i) {
    if (pbJson && std::strcmp(argv[i], "--json") == 0)
      *pbJson = true;
    else if (std::strcmp(argv[i], "--empresa") == 0 && i + 1 < argc)
      szEmpresa = argv[++i];
    else
      return false;
  }
  return true;
}

bool Liga(CServidoresCompartilhados& servidores, const char* szEmpresa) {
  if (!PreparaAmbiente(szEmpresa)) return false;
  if (servidores.OnInicializa(szEmpresa) >= 0) return true;
  std::fprintf(stderr, "compras nota: %s\n", servidores.GetUsaServidor()->GetUltimoErro().c_str());
  return false;
}

int FalhaDeLeitura(CServidoresCompartilhados& servidores, HRESULT hr) {
  std::fprintf(stderr, "compras nota: %s (código %#X)\n", servidores.GetUsaServidor()->GetUltimoErro().c_str(),
               static_cast<unsigned>(hr));
  return 1;
}

int ComandoNotaListar(int argc, char** argv) {
  const char* szEmpresa = kEmpresaPadrao;
  if (!LeOpcoes(argc, argv, 1, szEmpresa, nullptr)) return UsoErrado(Comando("nota"), "opção desconhecida");
  CServidoresCompartilhados servidores;
  if (!Liga(servidores, szEmpresa)) return 1;
  T_Lista<long> posicoes;
  HRESULT hr = servidores.GetUsaServidor()->ListaDFNotasFiscais(servidores.m_ppINotasFiscais, posicoes);
  if (hr != S_OK) return FalhaDeLeitura(servidores, hr);
  std::printf("%-8s %s %s %s %14s\n", "POS", Coluna("Número", 8).c_str(), Coluna("Fornecedor", 32).c_str(),
              Coluna("Emissão", 10).c_str(), "Total");
  for (long lPosicao : posicoes) {
    try {
      hr = ListaNota(servidores, lPosicao);
    } catch (const vrmsuite::CQZErroLayout& erro) {
      std::fprintf(stderr, "compras nota: nota %ld: %s\n", lPosicao, erro.what());
      return 1;
    }
    if (hr != S_OK) return FalhaDeLeitura(servidores, hr);
  }
  std::printf("%zd nota(s). Veja uma com \"compras nota mostrar POS\".\n",
              static_cast<std::ptrdiff_t>(posicoes.GetSize()));
  return 0;
}

}  // namespace

int ComandoNota(int argc, char** argv) {
  const TComando& comando = Comando("nota");
  if (argc >= 1 && std::strcmp(argv[0], "listar") == 0) return ComandoNotaListar(argc, argv);
  if (argc >= 1 && std::strcmp(argv[0], "importar") == 0) return ComandoNotaImportar(argc, argv);
  if (argc < 2 || std::strcmp(argv[0], "mostrar") != 0)
    return UsoErrado(comando, "use \"nota listar\", \"nota mostrar POS\" ou \"nota importar POS...\"");
  char* szFim = nullptr;
  long lPosicao = std::strtol(argv[1], &szFim, 10);
  if (*argv[1] == '\0' || *szFim != '\0' || lPosicao <= 0)
    return UsoErrado(comando, "POS é a posição da nota, um número positivo");
  bool bJson = false;
  const char* szEmpresa = kEmpresaPadrao;
  if (!LeOpcoes(argc, argv, 2, szEmpresa, &bJson)) return UsoErrado(comando, "opção desconhecida");
  CServidoresCompartilhados servidores;
  if (!Liga(servidores, szEmpresa)) return 1;
  tagREG_NOTA_FISCALPS* pNF = nullptr;
  HRESULT hr = servidores.GetUsaServidor()->LeDFNotasFiscais(servidores.m_ppINotasFiscais, lPosicao, &pNF);
  if (hr != S_OK) return FalhaDeLeitura(servidores, hr);
  int nSaida = 0;
  try {
    CEscritor escritor(bJson);
    MostraNota(escritor, *pNF, servidores);
  } catch (const vrmsuite::CQZErroLayout& erro) {
    std::fprintf(stderr, "\ncompras nota: %s\n", erro.what());
    nSaida = 1;
  }
  pNF->Libera();
  CoTaskMemFree(pNF);
  return nSaida;
}

}  // namespace compras
