// As descrições dos cadastros da empresa e os edits nomeados sobre elas.
#include "vrmwnd/suite/edits/edits_cadastro.h"

#include <cstring>

#include "servidor/le_cadastro.h"
#include "vrmwnd/suite/servidor/resultados.h"

namespace {

//                          nome        tabela     chave        código      descrição
//                          condição    filial     tipo         caract.     prod/serv
//                          título da lista, id, títulos das colunas, mensagem, módulo, limite
const TDescricaoCadastro kFilial{
    "filial", "filial", "iPonteiro",          "iNumero",        "szNome", "byAtiva = 1", nullptr, nullptr,
    nullptr,  nullptr,  "Relação de Filiais", "RelacaoFiliais", "Número", "Nome",        6101,    "DF",
    4};
const TDescricaoCadastro kNatureza{"natureza",
                                   "natureza",
                                   "iPonteiro",
                                   "lCodigo",
                                   "szNome",
                                   nullptr,
                                   "iPonteiroFilial",
                                   nullptr,
                                   nullptr,
                                   "cProdutoServico",
                                   "Relação de Naturezas de Operação",
                                   "RelacaoNaturezas",
                                   "CFOP",
                                   "Natureza",
                                   6102,
                                   "DF",
                                   5};
const TDescricaoCadastro kConta{"conta",
                                "conta",
                                "lPonteiro",
                                "szCodigo",
                                "szDescricao",
                                "byGerencial = 0",
                                nullptr,
                                "cTipo",
                                "byCaracteristica",
                                nullptr,
                                "Relação de Contas",
                                "RelacaoContas",
                                "Código",
                                "Descrição",
                                6103,
                                "DF",
                                32,
                                nullptr,
                                "byGerencial = 1"};
const TDescricaoCadastro kContaComGerencial{"conta-gerencial",
                                            "conta",
                                            "lPonteiro",
                                            "szCodigo",
                                            "szDescricao",
                                            nullptr,
                                            nullptr,
                                            "cTipo",
                                            "byCaracteristica",
                                            nullptr,
                                            "Relação de Contas e Contas Gerenciais",
                                            "RelacaoContasGerencial",
                                            "Código",
                                            "Descrição",
                                            6103,
                                            "DF",
                                            32};
const TDescricaoCadastro kHistorico{"historico",
                                    "historico",
                                    "iPonteiro",
                                    "iPonteiro",
                                    "szDescricao",
                                    "byAtivo = 1",
                                    nullptr,
                                    nullptr,
                                    nullptr,
                                    nullptr,
                                    "Relação de Históricos",
                                    "RelacaoHistoricos",
                                    "Número",
                                    "Histórico",
                                    6104,
                                    "DF",
                                    5};
const TDescricaoCadastro kProduto{
    "produto", "produto", "lPonteiro",           "szCodigo",        "szDescricao", nullptr,     nullptr, nullptr,
    nullptr,   nullptr,   "Relação de Produtos", "RelacaoProdutos", "Código",      "Descrição", 6105,    "DF",
    20};

const TDescricaoCadastro kUnidade{"unidade",
                                  "unidade_medida",
                                  "iPonteiro",
                                  "szSigla",
                                  "szDescricao",
                                  nullptr,
                                  nullptr,
                                  nullptr,
                                  nullptr,
                                  nullptr,
                                  "Relação de Unidades de Medida",
                                  "RelacaoUnidadesMedida",
                                  "Sigla",
                                  "Descrição",
                                  6106,
                                  "DF",
                                  6};
const TDescricaoCadastro kSituacao{"situacao",
                                   "situacao_tributaria",
                                   "byPonteiro",
                                   "szCodigo",
                                   "szDescricao",
                                   nullptr,
                                   nullptr,
                                   nullptr,
                                   nullptr,
                                   nullptr,
                                   "Relação de Situações Tributárias",
                                   "RelacaoSituacoesTributarias",
                                   "Código",
                                   "Descrição",
                                   6107,
                                   "DF",
                                   3};
const TDescricaoCadastro kDocumento{"documento",
                                    "documento",
                                    "iPonteiro",
                                    "szCodigo",
                                    "szDescricao",
                                    "byUsaNaEntrada = 1",
                                    nullptr,
                                    nullptr,
                                    nullptr,
                                    nullptr,
                                    "Relação de Tipos de Documento",
                                    "RelacaoTiposDocumento",
                                    "Código",
                                    "Descrição",
                                    6108,
                                    "DF",
                                    6};
const TDescricaoCadastro kUsuario{
    "usuario", "usuario", "iPonteiro",           "szLogin",         "szNome",  "byAtivo = 1", nullptr, nullptr,
    nullptr,   nullptr,   "Relação de Usuários", "RelacaoUsuarios", "Usuário", "Nome",        6109,    "DF",
    20};
const TDescricaoCadastro kComprador{"comprador",
                                    "comprador",
                                    "iPonteiro",
                                    "szCodigo",
                                    "szNome",
                                    nullptr,
                                    nullptr,
                                    nullptr,
                                    nullptr,
                                    nullptr,
                                    "Relação de Compradores",
                                    "RelacaoCompradores",
                                    "Código",
                                    "Nome",
                                    6110,
                                    "DF",
                                    20};
const TDescricaoCadastro kRequerente{"requerente",
                                     "requerente",
                                     "iPonteiro",
                                     "szCodigo",
                                     "szNome",
                                     nullptr,
                                     nullptr,
                                     nullptr,
                                     nullptr,
                                     nullptr,
                                     "Relação de Requerentes",
                                     "RelacaoRequerentes",
                                     "Código",
                                     "Nome",
                                     6111,
                                     "DF",
                                     20};
const TDescricaoCadastro kDepartamento{"departamento",
                                       "departamento",
                                       "iPonteiro",
                                       "szCodigo",
                                       "szNome",
                                       nullptr,
                                       "iPonteiroFilial",
                                       nullptr,
                                       nullptr,
                                       nullptr,
                                       "Relação de Departamentos",
                                       "RelacaoDepartamentos",
                                       "Código",
                                       "Nome",
                                       6112,
                                       "DF",
                                       10};
const TDescricaoCadastro kMunicipio{"municipio",
                                    "municipio",
                                    "lPonteiro",
                                    "lCodigoIBGE",
                                    "szNome",
                                    nullptr,
                                    nullptr,
                                    nullptr,
                                    nullptr,
                                    nullptr,
                                    "Relação de Municípios",
                                    "RelacaoMunicipios",
                                    "IBGE",
                                    "Município",
                                    6113,
                                    "DF",
                                    7};

const TDescricaoCadastro kLeiaute{
    "leiaute", "leiaute", "iPonteiro",           "iPonteiro",       "szNome", "szModulo = 'CM'", nullptr, nullptr,
    nullptr,   nullptr,   "Relação de Leiautes", "RelacaoLeiautes", "Número", "Leiaute",         0,       "DF",
    5};

// Os cadastros de compras, fiscal e estoque, uma descrição em três linhas como acima
// e, na quarta, a coluna do número a mais.
// clang-format off
const TDescricaoCadastro kContrato{
    "contrato", "contrato_compra", "lPonteiro", "szCodigo", "szDescricao",
    "byAtivo = 1", "iPonteiroFilial", nullptr, nullptr, nullptr,
    "Relação de Contratos de Compra", "RelacaoContratosCompra", "Contrato", "Objeto", 6114, "DF", 15,
    "lPonteiroFornecedor"};
const TDescricaoCadastro kControleQualidade{
    "controle-qualidade", "controle_qualidade", "iPonteiro", "szCodigo", "szDescricao",
    nullptr, nullptr, nullptr, nullptr, nullptr,
    "Relação de Controles de Qualidade", "RelacaoControlesQualidade", "Código", "Controle", 6115, "DF", 10};
const TDescricaoCadastro kCodigoBarras{
    "codigo-barras", "codigo_barras", "lPonteiro", "szCodigoBarras",
    "(SELECT p.szDescricao FROM produto p WHERE p.lPonteiro = codigo_barras.lPonteiroProduto)",
    nullptr, nullptr, nullptr, nullptr, nullptr,
    "Relação de Códigos de Barras", "RelacaoCodigosBarras", "Código de barras", "Produto", 6116, "DF", 14,
    "lPonteiroProduto"};
const TDescricaoCadastro kComplemento{
    "complemento", "complemento_historico", "iPonteiro", "iPonteiro", "szDescricao",
    nullptr, nullptr, nullptr, nullptr, nullptr,
    "Relação de Complementos de Histórico", "RelacaoComplementosHistorico", "Número", "Complemento", 6117, "DF", 5,
    "iPonteiroHistorico"};
const TDescricaoCadastro kContato{
    "contato", "contato_cfrt", "lPonteiro", "lPonteiro", "szNome",
    nullptr, nullptr, nullptr, nullptr, nullptr,
    "Relação de Contatos", "RelacaoContatosCFRT", "Número", "Contato", 6118, "DF", 9,
    "lPonteiroConta"};
const TDescricaoCadastro kAjusteEFD{
    "ajuste-efd", "ajuste_efd", "iPonteiro", "szCodigo", "szDescricao",
    nullptr, nullptr, nullptr, nullptr, nullptr,
    "Relação de Códigos de Ajuste da EFD", "RelacaoAjustesEFD", "Código", "Ajuste", 6119, "DF", 10};
const TDescricaoCadastro kCSTIPI{
    "cst-ipi", "cst_ipi", "iPonteiro", "szCodigo", "szDescricao",
    nullptr, nullptr, "cEntradaSaida", nullptr, nullptr,
    "Relação de Situações Tributárias do IPI", "RelacaoCSTIPI", "CST", "Descrição", 6120, "DF", 2};
const TDescricaoCadastro kLocal{
    "local", "local_estoque", "iPonteiro", "szCodigo", "szDescricao",
    nullptr, "iPonteiroFilial", nullptr, nullptr, nullptr,
    "Relação de Locais de Estoque", "RelacaoLocaisEstoque", "Local", "Descrição", 6121, "DF", 10,
    "lPonteiroLote"};
const TDescricaoCadastro kMensagem{
    "mensagem", "mensagem_fiscal", "iPonteiro", "iPonteiro", "szTexto",
    "byAtiva = 1", nullptr, nullptr, nullptr, nullptr,
    "Relação de Mensagens", "RelacaoMensagens", "Número", "Mensagem", 6122, "DF", 5};
const TDescricaoCadastro kMovimento{
    "movimento", "tipo_movimento", "lPonteiro", "szCodigo", "szDescricao",
    nullptr, nullptr, "cEntradaSaida", nullptr, nullptr,
    "Relação de Movimentos de Estoque", "RelacaoMovimentosEstoque", "Código", "Movimento", 6123, "DF", 6};
const TDescricaoCadastro kNotaFiscal{
    "nota-fiscal", "nota_fiscal", "lPosicao", "lNumero",
    "(SELECT c.szNome FROM cfrt c WHERE c.lPonteiroConta = nota_fiscal.lPonteiroCliente)",
    nullptr, "iPonteiroFilial", "byTipoNota", nullptr, nullptr,
    "Relação de Notas Fiscais", "RelacaoNotasFiscais", "Número", "Emitente", 6124, "DF", 9,
    "lPonteiroCliente"};
const TDescricaoCadastro kProdutoRecebimento{
    "produto-recebimento", "produto", "lPonteiro", "szCodigo", "szDescricao",
    "iPonteiroLocalEstoque <> 0", nullptr, nullptr, nullptr, nullptr,
    "Relação de Produtos com Estoque", "RelacaoProdutosRecebimento", "Código", "Descrição", 6105, "DF", 20,
    "iPonteiroLocalEstoque"};
const TDescricaoCadastro kRecolhimento{
    "recolhimento", "codigo_recolhimento", "iPonteiro", "szCodigo", "szDescricao",
    nullptr, nullptr, nullptr, nullptr, nullptr,
    "Relação de Códigos de Recolhimento", "RelacaoCodigosRecolhimento", "Código", "Descrição", 6125, "DF", 6};
const TDescricaoCadastro kTabelaPreco{
    "tabela-preco", "tabela_preco", "iPonteiro", "szCodigo", "szDescricao",
    "byAtiva = 1", nullptr, "cCompraVenda", nullptr, "cProdutoServico",
    "Relação de Tabelas de Preço", "RelacaoTabelasPreco", "Código", "Tabela", 6126, "DF", 10};
const TDescricaoCadastro kTaxaConversao{
    "taxa-conversao", "taxa_conversao", "iPonteiro", "szCodigo", "szDescricao",
    nullptr, nullptr, nullptr, nullptr, nullptr,
    "Relação de Taxas de Conversão", "RelacaoTaxasConversao", "Código", "Conversão", 6127, "DF", 10,
    "iPonteiroUnidadeDe"};
// As listas dos combos (que também se consultam num edit de cadastro).
const TDescricaoCadastro kBaseCalculoCredito{
    "base-credito", "base_calculo_credito", "iPonteiro", "szCodigo", "szDescricao",
    nullptr, nullptr, "cGrupoModelo", nullptr, nullptr,
    "Relação de Bases de Cálculo do Crédito", "RelacaoBasesCalculoCredito", "Código", "Base", 6128, "DF", 2};
const TDescricaoCadastro kIndice{
    "indice", "indice_economico", "iPonteiro", "szSigla", "szDescricao",
    nullptr, nullptr, nullptr, nullptr, nullptr,
    "Relação de Índices Econômicos", "RelacaoIndices", "Sigla", "Índice", 6129, "DF", 6};
const TDescricaoCadastro kOrigem{
    "origem", "origem_mercadoria", "iPonteiro", "szCodigo", "szDescricao",
    nullptr, nullptr, nullptr, nullptr, nullptr,
    "Relação de Origens da Mercadoria", "RelacaoOrigens", "Código", "Origem", 6130, "DF", 1};
const TDescricaoCadastro kIncidencia{
    "incidencia-pis-cofins", "incidencia_pis_cofins", "iPonteiro", "szCodigo", "szDescricao",
    nullptr, nullptr, nullptr, nullptr, nullptr,
    "Relação de Tipos de Incidência", "RelacaoIncidenciaPISCOFINS", "Código", "Incidência", 6131, "DF", 1};
const TDescricaoCadastro kTipoPeriodo{
    "tipo-periodo", "tipo_periodo", "iPonteiro", "szCodigo", "szDescricao",
    nullptr, nullptr, nullptr, nullptr, nullptr,
    "Relação de Tipos de Período", "RelacaoTiposPeriodo", "Código", "Período", 6132, "DF", 1,
    "iMeses"};
const TDescricaoCadastro kVencimento{
    "vencimento", "vencimento", "iPonteiro", "szCodigo", "szDescricao",
    nullptr, nullptr, nullptr, nullptr, nullptr,
    "Relação de Regras de Vencimento", "RelacaoVencimentos", "Código", "Regra", 6133, "DF", 3};
const TDescricaoCadastro kEstado{
    "estado", "estado", "iPonteiro", "szSigla", "szNome",
    nullptr, nullptr, nullptr, nullptr, nullptr,
    "Relação de Estados", "RelacaoEstados", "UF", "Estado", 6134, "DF", 2};
// clang-format on

}  // namespace

const std::vector<const TDescricaoCadastro*>& CadastrosDescritos() {
  static const std::vector<const TDescricaoCadastro*> kTodos{&kFilial,
                                                             &kNatureza,
                                                             &kConta,
                                                             &kContaComGerencial,
                                                             &kHistorico,
                                                             &kProduto,
                                                             &kUnidade,
                                                             &kSituacao,
                                                             &kDocumento,
                                                             &kUsuario,
                                                             &kComprador,
                                                             &kRequerente,
                                                             &kDepartamento,
                                                             &kMunicipio,
                                                             &kLeiaute,
                                                             &kContrato,
                                                             &kControleQualidade,
                                                             &kCodigoBarras,
                                                             &kComplemento,
                                                             &kContato,
                                                             &kAjusteEFD,
                                                             &kCSTIPI,
                                                             &kLocal,
                                                             &kMensagem,
                                                             &kMovimento,
                                                             &kNotaFiscal,
                                                             &kProdutoRecebimento,
                                                             &kRecolhimento,
                                                             &kTabelaPreco,
                                                             &kTaxaConversao,
                                                             &kBaseCalculoCredito,
                                                             &kIndice,
                                                             &kOrigem,
                                                             &kIncidencia,
                                                             &kTipoPeriodo,
                                                             &kVencimento,
                                                             &kEstado};
  return kTodos;
}

const TDescricaoCadastro* DescricaoCadastro(const char* szNome) {
  for (const TDescricaoCadastro* p : CadastrosDescritos())
    if (szNome && std::strcmp(p->szNome, szNome) == 0) return p;
  return nullptr;
}

CFilialEdit::CFilialEdit() : CEditCadastro(kFilial) {}
bool CFilialEdit::GetPosicao(unsigned short& iFilial) { return GetPosicaoComo(iFilial); }
bool CFilialEdit::SetPosicao(unsigned short iFilial) { return CEditCadastro::SetPosicao(iFilial); }

HRESULT CFilialEdit::LeFiliaisAtivas() {
  m_nAtivas = 0;
  if (!Banco()) return QZ_E_SEM_CONEXAO;
  std::vector<DWORD> chaves;
  std::string strErro;
  const HRESULT hr = vrmsuite::BuscaCadastro(*Banco(), m_descricao, m_filtro, nullptr, chaves, strErro);
  if (hr == S_OK) m_nAtivas = static_cast<int>(chaves.size());
  return hr;
}

CNaturezaEdit::CNaturezaEdit() : CEditCadastro(kNatureza) {}
bool CNaturezaEdit::GetPosicao(unsigned short& iNatureza) { return GetPosicaoComo(iNatureza); }

bool CNaturezaEdit::SetPosicao(unsigned short iNatureza, REG_QZDMA dmaReferencia) {
  const bool bDataValida = dmaReferencia >= QZDMA_MINIMA && dmaReferencia <= QZDMA_MAXIMA;
  return CEditCadastro::SetPosicao(bDataValida ? iNatureza : 0);
}

CPedeContaEx::CPedeContaEx() : CEditCadastro(kConta) {}
bool CPedeContaEx::GetPosicao(unsigned long& lConta) { return GetPosicaoComo(lConta); }
void CPedeContaEx::SetTiposConta(const char* szTipos) {
  m_filtro.strTipos = szTipos;
  if (m_filtro.strTipos.Find('S') >= 0 && m_filtro.strTipos.Find('T') < 0) m_filtro.strTipos += 'T';
}
bool CPedeContaEx::SetPosicao(unsigned long lConta) { return CEditCadastro::SetPosicao(static_cast<DWORD>(lConta)); }

int CPedeContaEx::GetPosicoes(CArray<unsigned long>* pPosicoes) {
  if (pPosicoes == nullptr) return 0;
  pPosicoes->RemoveAll();
  DWORD lConta = 0;
  if (!CEditCadastro::GetPosicao(lConta)) return 0;
  if (GetTipoCorrente() != 'T') {
    pPosicoes->Add(lConta);
    return 1;
  }
  std::vector<DWORD> chaves;
  std::string strErro;
  if (!Banco() || vrmsuite::SubordinadasCadastro(*Banco(), m_descricao, GetText().GetString(), chaves, strErro,
                                                 m_filtro.bGerencial) != S_OK)
    return -1;
  for (DWORD l : chaves) pPosicoes->Add(l);
  return static_cast<int>(chaves.size());
}

CPedeContaExComGerencial::CPedeContaExComGerencial() : CPedeContaEx(kContaComGerencial) {}

CPedeHistEx::CPedeHistEx() : CEditCadastro(kHistorico) {}
bool CPedeHistEx::GetPosicao(unsigned short& iHistorico) { return GetPosicaoComo(iHistorico); }
bool CPedeHistEx::SetPosicao(unsigned short iHistorico) { return CEditCadastro::SetPosicao(iHistorico); }

CProdutoEdit::CProdutoEdit() : CEditCadastro(kProduto) {}
bool CProdutoEdit::GetPosicao(long& lProduto) { return GetPosicaoComo(lProduto); }
bool CProdutoEdit::SetPosicao(long lProduto) { return CEditCadastro::SetPosicao(static_cast<DWORD>(lProduto)); }

CUnidadeMedidaEdit::CUnidadeMedidaEdit() : CEditCadastro(kUnidade) {}
CSituacaoTributariaEdit::CSituacaoTributariaEdit() : CEditCadastro(kSituacao) {}
bool CSituacaoTributariaEdit::GetPosicao(long& lSituacao) const {
  lSituacao = m_nEstadoValidacao == ESTADO_VALIDO ? static_cast<long>(m_lChave) : 0;
  return m_nEstadoValidacao == ESTADO_VALIDO;
}
CCadastroDocumentoEdit::CCadastroDocumentoEdit() : CEditCadastro(kDocumento) {}
bool CCadastroDocumentoEdit::GetPosicao(long& lDocumento) { return GetPosicaoComo(lDocumento); }
CUsuarioEdit::CUsuarioEdit() : CEditCadastro(kUsuario) {}
CCompradorEdit::CCompradorEdit() : CEditCadastro(kComprador) {}
CRequerenteEdit::CRequerenteEdit() : CEditCadastro(kRequerente) {}
CDepartamentoEdit::CDepartamentoEdit() : CEditCadastro(kDepartamento) {}
CMunicipioEdit::CMunicipioEdit() : CEditCadastro(kMunicipio) {}
