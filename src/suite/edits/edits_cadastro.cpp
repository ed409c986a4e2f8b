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
                                32};
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

// Lê pela posição de 32 bits e devolve a posição no tipo do edit.
template <class T>
bool PosicaoComo(CEditCadastro& edit, T& valor) {
  DWORD l = 0;
  const bool b = edit.GetPosicao(l);
  valor = static_cast<T>(l);
  return b;
}

}  // namespace

const std::vector<const TDescricaoCadastro*>& CadastrosDescritos() {
  static const std::vector<const TDescricaoCadastro*> kTodos{
      &kFilial,    &kNatureza, &kConta,     &kContaComGerencial, &kHistorico,    &kProduto,   &kUnidade, &kSituacao,
      &kDocumento, &kUsuario,  &kComprador, &kRequerente,        &kDepartamento, &kMunicipio, &kLeiaute};
  return kTodos;
}

const TDescricaoCadastro* DescricaoCadastro(const char* szNome) {
  for (const TDescricaoCadastro* p : CadastrosDescritos())
    if (szNome && std::strcmp(p->szNome, szNome) == 0) return p;
  return nullptr;
}

CFilialEdit::CFilialEdit() : CEditCadastro(kFilial) {}
bool CFilialEdit::GetPosicao(unsigned short& iFilial) { return PosicaoComo(*this, iFilial); }
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
bool CNaturezaEdit::GetPosicao(unsigned short& iNatureza) { return PosicaoComo(*this, iNatureza); }

bool CNaturezaEdit::SetPosicao(unsigned short iNatureza, REG_QZDMA dmaReferencia) {
  const bool bDataValida = dmaReferencia >= QZDMA_MINIMA && dmaReferencia <= QZDMA_MAXIMA;
  return CEditCadastro::SetPosicao(bDataValida ? iNatureza : 0);
}

CPedeContaEx::CPedeContaEx() : CEditCadastro(kConta) {}
bool CPedeContaEx::GetPosicao(unsigned long& lConta) { return PosicaoComo(*this, lConta); }
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
  if (!Banco() || vrmsuite::SubordinadasCadastro(*Banco(), m_descricao, GetText().GetString(), chaves, strErro) != S_OK)
    return -1;
  for (DWORD l : chaves) pPosicoes->Add(l);
  return static_cast<int>(chaves.size());
}

CPedeContaExComGerencial::CPedeContaExComGerencial() : CPedeContaEx(kContaComGerencial) {}

CPedeHistEx::CPedeHistEx() : CEditCadastro(kHistorico) {}
bool CPedeHistEx::GetPosicao(unsigned short& iHistorico) { return PosicaoComo(*this, iHistorico); }
bool CPedeHistEx::SetPosicao(unsigned short iHistorico) { return CEditCadastro::SetPosicao(iHistorico); }

CProdutoEdit::CProdutoEdit() : CEditCadastro(kProduto) {}
bool CProdutoEdit::GetPosicao(long& lProduto) { return PosicaoComo(*this, lProduto); }
bool CProdutoEdit::SetPosicao(long lProduto) { return CEditCadastro::SetPosicao(static_cast<DWORD>(lProduto)); }

CUnidadeMedidaEdit::CUnidadeMedidaEdit() : CEditCadastro(kUnidade) {}
CSituacaoTributariaEdit::CSituacaoTributariaEdit() : CEditCadastro(kSituacao) {}
bool CSituacaoTributariaEdit::GetPosicao(long& lSituacao) const {
  lSituacao = m_nEstadoValidacao == ESTADO_VALIDO ? static_cast<long>(m_lChave) : 0;
  return m_nEstadoValidacao == ESTADO_VALIDO;
}
CCadastroDocumentoEdit::CCadastroDocumentoEdit() : CEditCadastro(kDocumento) {}
bool CCadastroDocumentoEdit::GetPosicao(long& lDocumento) { return PosicaoComo(*this, lDocumento); }
CUsuarioEdit::CUsuarioEdit() : CEditCadastro(kUsuario) {}
CCompradorEdit::CCompradorEdit() : CEditCadastro(kComprador) {}
CRequerenteEdit::CRequerenteEdit() : CEditCadastro(kRequerente) {}
CDepartamentoEdit::CDepartamentoEdit() : CEditCadastro(kDepartamento) {}
CMunicipioEdit::CMunicipioEdit() : CEditCadastro(kMunicipio) {}
