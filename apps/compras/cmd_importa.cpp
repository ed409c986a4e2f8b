// compras nota importar POS [POS...]: importa as notas comerciais num registro de
// entrada de mercadorias (CTrataDadosREWnd::ImportaNotaComercial) e o mostra — origem,
// fornecedor, filial, datas, valores, itens com impostos, estoque, rateio, parcelas,
// notas referidas e totais —, legível ou em JSON. Uma leitura que falha mostra o erro
// e a linha que ficou no log de erros.
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "comandos.h"
#include "escritor.h"
#include "vrmwnd/base/CQZQuemGerou.h"
#include "vrmwnd/base/QZException.h"
#include "vrmwnd/base/QZInstalacao.h"
#include "vrmwnd/platform/clock.h"
#include "vrmwnd/vrmwnd.h"

namespace compras {
namespace {

void MostraGerenciais(CEscritor& e, const TCMRateioBase& rateio) {
  e.AbreLista("gerencial", "Linhas gerenciais", static_cast<std::size_t>(rateio.GetQuantidadeGerencial()));
  for (int k = 0; k < rateio.GetQuantidadeGerencial(); ++k) {
    const TQZGerencial g = rateio.GetGerencial(k);
    e.AbreElemento(static_cast<std::size_t>(k));
    e.Moeda("valor", "Valor", g.GetValor());
    e.Numero("planoEmpresarial", "Plano empresarial", g.GetPonteiroPlanoEmpresarial());
    e.Numero("planoGerencial", "Plano gerencial", g.GetPonteiroPlanoGerencial());
    e.FechaElemento();
  }
  e.FechaLista();
}

template <class TRateio>
void MostraRateio(CEscritor& e, const T_Lista<TRateio>& lista) {
  e.AbreLista("rateio", "Rateio", static_cast<std::size_t>(lista.GetSize()));
  for (INT_PTR i = 0; i < lista.GetSize(); ++i) {
    const TRateio& r = lista[i];
    e.AbreElemento(static_cast<std::size_t>(i));
    e.Moeda("quantidade", "Quantidade", r.GetNEWQuantidade(), 4);
    e.Moeda("valor", "Valor", r.GetNEWValor());
    if constexpr (std::is_same_v<TRateio, TCMRERateioProduto>)
      e.Numero("contaDestino", "Conta de destino", r.GetPonteiroClassificacaoDestino());
    else
      e.Numero("conta", "Conta", r.GetPonteiroClassificacao());
    MostraGerenciais(e, r);
    e.FechaElemento();
  }
  e.FechaLista();
}

// As retenções de serviço têm o nome do catálogo de impostos; as entradas dos
// produtos, só o tipo.
void MostraImpostos(CEscritor& e, const T_Lista<TCMREImposto>& lista, bool bRetencoes) {
  e.AbreLista("impostos", "Impostos", static_cast<std::size_t>(lista.GetSize()));
  for (INT_PTR i = 0; i < lista.GetSize(); ++i) {
    const TCMREImposto& imposto = lista[i];
    e.AbreElemento(static_cast<std::size_t>(i));
    e.Numero("tipo", "Tipo", imposto.GetTipoImposto());
    if (bRetencoes) e.Texto("nome", "Nome", CTrataDadosRE::GetNomeImposto(imposto.GetTipoImposto()).GetString());
    e.Moeda("valor", "Valor", imposto.GetValor());
    e.Moeda("base", "Base", imposto.GetBase());
    e.Moeda("aliquota", "Alíquota (%)", imposto.GetAliquota());
    e.AbreLista("deducoes", "Deduções", static_cast<std::size_t>(imposto.GetQuantidadeDeducao()));
    for (int k = 0; k < imposto.GetQuantidadeDeducao(); ++k) {
      const TCMImpostoDeducao d = imposto.GetDeducao(k);
      e.AbreElemento(static_cast<std::size_t>(k));
      e.Moeda("valor", "Valor", d.GetValorDeducao());
      e.Texto("descricao", "Descrição", d.GetDescricao().GetString());
      e.FechaElemento();
    }
    e.FechaLista();
    e.FechaElemento();
  }
  e.FechaLista();
}

void MostraEntradas(CEscritor& e, const TCMREItemProduto& item) {
  e.AbreLista("entradasEstoque", "Entradas em estoque", static_cast<std::size_t>(item.GetQuantidadeEntradaEstoque()));
  for (int d = 0; d < item.GetQuantidadeEntradaEstoque(); ++d) {
    const TCMREEntradaEstoque en = item.GetEntradaEstoque(d);
    e.AbreElemento(static_cast<std::size_t>(d));
    e.Numero("tipo", "Tipo", en.GetTipo());
    e.Moeda("quantidade", "Quantidade", en.GetQuantidade(), 4);
    e.Numero("local", "Local", en.GetPonteiroLocal());
    e.Numero("classificacao", "Classificação", en.GetPonteiroClassificacao());
    if (!en.GetLoteESNumero().IsEmpty()) {
      e.Texto("lote", "Lote", en.GetLoteESNumero().GetString());
      e.Data("loteValidade", "Validade do lote", en.GetLoteESDataValidade());
    }
    if (!en.GetLoteESVolume().IsEmpty()) e.Texto("volume", "Volume", en.GetLoteESVolume().GetString());
    if (!en.GetArmaFogo_Serie().IsEmpty()) {
      e.Texto("armaSerie", "Arma: série", en.GetArmaFogo_Serie().GetString());
      e.Texto("armaDescricao", "Arma: descrição", en.GetArmaFogo_Descricao().GetString());
    }
    if (en.GetPonteiroMovimentoOrigemEstoque() != 0)
      e.Numero("movimentoOrigem", "Movimento de origem", en.GetPonteiroMovimentoOrigemEstoque());
    e.FechaElemento();
  }
  e.FechaLista();
}

void MostraProdutos(CEscritor& e, const TCMRERegistroEntrada& r, CServidoresCompartilhados& s) {
  const auto& produtos = r.GetListaProdutoRef();
  e.AbreLista("produtos", "Itens de produto", static_cast<std::size_t>(produtos.GetSize()));
  for (INT_PTR i = 0; i < produtos.GetSize(); ++i) {
    const TCMREItemProduto& p = produtos[i];
    e.AbreElemento(static_cast<std::size_t>(i));
    e.Numero("produto", "Produto", p.GetPonteiroProduto());
    _REG_PRODUTOPS rProduto;
    s.GetUsaServidor()->LeDFProduto(s.m_ppIProduto, p.GetPonteiroProduto(), &rProduto);
    e.Texto("descricao", "Descrição", rProduto.szDescricao());
    e.Texto("complemento", "Complemento", p.GetComplementoProduto().GetString());
    e.Numero("cfop", "CFOP", p.GetPonteiroCFOP());
    e.Moeda("quantidade", "Quantidade", p.GetQuantidade(), 4);
    e.Moeda("total", "Total", p.GetValorTotal());
    e.Moeda("ipi", "IPI", p.GetValorIPI());
    e.Moeda("aliquotaICMS", "Alíquota de ICMS (%)", p.GetAliquotaICMS());
    e.Moeda("icmsST", "ICMS-ST", p.GetValorICMSST());
    e.Moeda("pis", "PIS", p.GetValorPISNaoCumulativo());
    e.Moeda("cofins", "COFINS", p.GetValorCOFINSNaoCumulativo());
    e.Moeda("pesoLiquido", "Peso líquido", p.GetPesoLiquido(), 4);
    MostraImpostos(e, p.GetListaImposto(), false);
    MostraEntradas(e, p);
    MostraRateio(e, p.GetListaRateio());
    e.FechaElemento();
  }
  e.FechaLista();
}

void MostraServicos(CEscritor& e, const TCMRERegistroEntrada& r) {
  const auto& servicos = r.GetListaServicoRef();
  e.AbreLista("servicos", "Itens de serviço", static_cast<std::size_t>(servicos.GetSize()));
  for (INT_PTR i = 0; i < servicos.GetSize(); ++i) {
    const TCMREItemServico& s = servicos[i];
    e.AbreElemento(static_cast<std::size_t>(i));
    e.Numero("servico", "Serviço", s.GetPonteiroServico());
    e.Texto("complemento", "Complemento", s.GetComplementoServico().GetString());
    e.Moeda("quantidade", "Quantidade", s.GetQuantidade(), 4);
    e.Moeda("total", "Total", s.GetValorTotal());
    e.Moeda("liquido", "Líquido", s.GetValorLiquido());
    MostraImpostos(e, s.GetListaImposto(), true);
    MostraRateio(e, s.GetListaRateio());
    e.FechaElemento();
  }
  e.FechaLista();
}

void MostraCabecalho(CEscritor& e, const TCMRERegistroEntrada& r, CServidoresCompartilhados& s) {
  e.Texto("origem", "Origem", CQZQuemGerou(r.GetRegQuemGerou()).GetDescricao().GetString());
  e.Texto("numero", "Nota fiscal", r.GetNumeroNotaFiscal().GetString());
  e.Texto("serie", "Série", r.GetSerieNotaFiscal().GetString());
  e.Numero("fornecedor", "Fornecedor (conta)", r.GetPonteiroFornecedor());
  e.Texto("fornecedorNome", "Nome do fornecedor", s.LeConta(r.GetPonteiroFornecedor()).szDescricao());
  e.Numero("filial", "Filial", r.GetPonteiroFilial());
  e.Texto("filialNome", "Nome da filial", s.LeDFFilial(r.GetPonteiroFilial()).szNome());
  e.Data("emissao", "Emissão", r.GetRegDataEmissao());
  e.Data("entrada", "Entrada", r.GetRegDataEntrada());
  e.Numero("cfop", "CFOP principal", r.GetPonteiroCFOPPrincipal());
  e.Numero("situacaoServico", "Situação de serviço", r.GetPonteiroSitServicoPrincipal());
  e.Numero("tipoDocumento", "Tipo de documento", r.GetPonteiroTipoDocumento());
  e.Numero("remetente", "Status de remetente", r.GetStatusRementente());
  e.Numero("transportadora", "Transportadora", r.GetPonteiroTransportadora());
  e.Numero("viaTransporte", "Via de transporte", r.GetStatusViaTransp());
  e.Numero("volumes", "Volumes", static_cast<long long>(r.GetQtdVolumes()));
  e.Texto("observacaoGeral", "Observação geral", r.GetObservacaoGeral().GetString());
  e.Texto("observacaoFisco", "Observação ao fisco", r.GetObservacaoFisco().GetString());
  e.Moeda("frete", "Frete", r.GetValorFreteDigitado());
  e.Moeda("seguro", "Seguro", r.GetValorSeguroDigitado());
  e.Moeda("despesas", "Despesas acessórias", r.GetValorDespesasAcessoriasDigitado());
  e.Moeda("ipi", "IPI", r.GetValorTotalIPI());
  e.Moeda("baseIPI", "Base do IPI", r.GetBaseCalcIPI());
  e.Moeda("desconto", "Desconto", r.GetValorDescontoNaNota());
}

void MostraRegistro(CEscritor& e, const TCMRERegistroEntrada& r, CServidoresCompartilhados& s) {
  e.Comeca();
  MostraCabecalho(e, r, s);
  MostraProdutos(e, r, s);
  MostraServicos(e, r);
  const T_Lista<TCMParcela>& parcelas = r.GetCondicaoPagamento().GetListaParcela();
  e.AbreLista("parcelas", "Parcelas", static_cast<std::size_t>(parcelas.GetSize()));
  for (INT_PTR i = 0; i < parcelas.GetSize(); ++i) {
    e.AbreElemento(static_cast<std::size_t>(i));
    e.Numero("numero", "Número", parcelas[i].GetNumeroDaParcela());
    e.Texto("documento", "Documento", parcelas[i].GetNumeroDocumento().GetString());
    e.Moeda("valor", "Valor", parcelas[i].GetValorParcelaDigitado());
    e.Data("vencimento", "Vencimento", parcelas[i].GetRegDataVencimento());
    e.FechaElemento();
  }
  e.FechaLista();
  e.AbreLista("referidas", "Notas referidas", static_cast<std::size_t>(r.GetQuantidadeReferidas()));
  for (int i = 0; i < r.GetQuantidadeReferidas(); ++i) {
    const TCMRENFReferidas ref = r.GetReferidas(i);
    e.AbreElemento(static_cast<std::size_t>(i));
    e.Texto("numero", "Número", ref.GetNumeroNotaFiscalOrigem().GetString());
    e.Texto("serie", "Série", ref.GetSerieNotaFiscalOrigem().GetString());
    e.Data("emissao", "Emissão", ref.GetRegDataEmissaoNotaFiscalOrigem());
    e.Moeda("total", "Total", ref.GetValorTotalNotaFiscalOrigem());
    e.FechaElemento();
  }
  e.FechaLista();
  e.Moeda("totalProdutos", "Total dos produtos", r.GetValorTotalProdutos());
  e.Moeda("totalServicos", "Total dos serviços", r.GetValorTotalServicos());
  e.Moeda("totalRetencoes", "Total das retenções", r.GetValorTotalRetencoes());
  e.Moeda("totalNota", "Total da nota", r.GetValorTotalNota());
  e.Moeda("liquidoNota", "Líquido da nota", r.GetValorLiquidoNota());
  e.Termina();
}

// A última linha do arquivo de erros do mês da empresa ("" quando não há).
std::string UltimaLinhaDoLog(const char* szEmpresa) {
  SYSTEMTIME agora{};
  GetLocalTime(&agora);
  CString strArquivo = QZDiretorioEmpresa(szEmpresa) + QZNomeArquivoProfiler(eQZErro, true, agora.wYear, agora.wMonth);
  strArquivo.Replace('\\', '/');
  std::ifstream arquivo(strArquivo.GetString());
  std::string strLinha, strUltima;
  while (std::getline(arquivo, strLinha))
    if (!strLinha.empty()) strUltima = strLinha;
  return strUltima;
}

}  // namespace

int ComandoNotaImportar(int argc, char** argv) {
  const TComando& comando = Comando("nota");
  T_Lista<long> aPosicoes;
  bool bJson = false;
  const char* szEmpresa = kEmpresaPadrao;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--json") == 0) {
      bJson = true;
    } else if (std::strcmp(argv[i], "--empresa") == 0 && i + 1 < argc) {
      szEmpresa = argv[++i];
    } else {
      char* szFim = nullptr;
      const long lPosicao = std::strtol(argv[i], &szFim, 10);
      if (*argv[i] == '\0' || *szFim != '\0' || lPosicao <= 0)
        return UsoErrado(comando, "POS é a posição da nota, um número positivo");
      aPosicoes.Add(lPosicao);
    }
  }
  if (aPosicoes.GetSize() == 0) return UsoErrado(comando, "diga ao menos uma posição de nota");
  if (!PreparaAmbiente(szEmpresa)) return 1;
  CTrataDadosREWnd tratador(nullptr);
  tratador.SetProfiler(szEmpresa, 0, 0);
  if (tratador.OnInicializa(szEmpresa) != 0) {
    std::fprintf(stderr, "compras nota: %s\n", tratador.GetUsaServidor()->GetUltimoErro().c_str());
    return 1;
  }
  try {
    const TCMRERegistroEntrada registro = tratador.ImportaNotaComercial(aPosicoes);
    CEscritor escritor(bJson);
    MostraRegistro(escritor, registro, tratador);
  } catch (const CQZExceptionEx& erro) {
    std::fprintf(stderr, "compras nota importar: a leitura falhou: %s (código %#X, local %ld, módulo %ld)\n",
                 tratador.GetUsaServidor()->GetUltimoErro().c_str(), static_cast<unsigned>(erro.GetResultado()),
                 static_cast<long>(erro.GetLocal()), static_cast<long>(erro.GetModulo()));
    std::fprintf(stderr, "Linha gravada no log de erros:\n%s\n", UltimaLinhaDoLog(szEmpresa).c_str());
    return 1;
  } catch (const vrmsuite::CQZErroLayout& erro) {
    std::fprintf(stderr, "compras nota importar: nota malformada: %s\n", erro.what());
    return 1;
  }
  return 0;
}

}  // namespace compras
