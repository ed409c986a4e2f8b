// CCondicaoPagamentoEdit: existência pelo código com validade e módulo, chave por
// programa, lista de consulta com a periodicidade de cada condição, o cadastro
// "CADCPAG" e as falhas do servidor registradas ou mostradas na fonte
// "CondicaoPagamentoEdit".
#include "vrmwnd/controls/CCondicaoPagamentoEdit.h"

#include <string>

#include "vrmwnd/base/CQZComPtr.h"
#include "vrmwnd/base/QZException.h"
#include "vrmwnd/base/QZResultado.h"
#include "vrmwnd/platform/objbase.h"
#include "vrmwnd/suite/regras/CVRMSVRUtil.h"
#include "vrmwnd/suite/mensagens/QZMens.h"
#include "vrmwnd/suite/servidor/resultados.h"
#include "vrmwnd/util/modulo.h"

namespace {

constexpr const char* kFonte = "CondicaoPagamentoEdit";
constexpr LONG kFonteCondicao = 42;
constexpr LONG kFontePeriodo = 26;
constexpr const char* kPrograma = "CADCPAG";

// Mensagens do módulo "DF" das recusas.
constexpr int kNaoEncontrada = 5508;
constexpr int kVencida = 5591;
constexpr int kModuloNaoPodeUsar = 5590;

CString TextoDe(std::string_view sv) { return CString(std::string(sv).c_str()); }

// O texto como BSTR, liberado no fim do escopo.
class CBstr {
 public:
  explicit CBstr(const CString& str) : m_bstr(SysAllocString(Utf8ToUtf16(str).c_str())) {}
  ~CBstr() { SysFreeString(m_bstr); }
  CBstr(const CBstr&) = delete;
  CBstr& operator=(const CBstr&) = delete;
  operator BSTR() const { return m_bstr; }

 private:
  BSTR m_bstr;
};

bool ModuloPodeUsar(unsigned char nModulo, const REG_CONDICAO_PAGAMENTOPS& r) {
  switch (nModulo) {
    case 0: return true;
    case 13:
    case 19: return r.byModulo13() == 1;
    case 14: return r.byModulo14() == 1;
    default: return false;
  }
}

}  // namespace

// Registra a falha de uma leitura com o texto exato da expressão.
#define CP_VERIFICA(szFuncao, expressao) \
  QZVerificaHR((expressao), eQZFalhaSeNaoZero, this, szFuncao, kFonte, __LINE__, #expressao)

// Mostra a falha do servidor na caixa de erro da suíte.
#define CP_MOSTRA(pEdit, hr, lLocal, lFonte)                                                               \
  QZTrataErro2(static_cast<LONGLONG>(hr), lLocal, lFonte, (pEdit)->GetEmpresaProfiler(), kFonte, __LINE__, \
               QZ_COMPILACAO, false, nullptr, vrmwnd::kArquivoModulo)

BEGIN_MESSAGE_MAP(CCondicaoPagamentoEdit, CBaseEditExDF)
ON_CONTROL_REFLECT_EX(EN_UPDATE, &CCondicaoPagamentoEdit::OnUpdate)
ON_CONTROL_REFLECT_EX(EN_SETFOCUS, &CCondicaoPagamentoEdit::OnSetFocus)
ON_CONTROL_REFLECT_EX(EN_KILLFOCUS, &CCondicaoPagamentoEdit::OnKillFocus)
END_MESSAGE_MAP()

CCondicaoPagamentoEdit::CCondicaoPagamentoEdit() : m_pImplement(new CCondicaoPagamentoEditImplement) {
  m_strCaminhoControle += "/CCondicaoPagamentoEdit";
}

CCondicaoPagamentoEdit::~CCondicaoPagamentoEdit() { delete m_pImplement; }

HRESULT CCondicaoPagamentoEdit::OnInicializa() {
  HRESULT hr = CBaseEditExDF::OnInicializa();
  if (hr < 0)
    return QZVerificaHR(hr, eQZFalhaSeNegativo, this, "CCondicaoPagamentoEdit::OnInicializa", kFonte, __LINE__,
                        "__super::OnInicializa()");
  hr = m_pImplement->m_conexao.Conecta(GetEmpresaProfiler(), GetUsuarioProfiler(), GetSessaoProfiler());
  if (hr != S_OK) CP_MOSTRA(this, hr, 276791, kFonteCondicao);
  m_nEstadoValidacao = ESTADO_VAZIO;
  return hr;
}

HRESULT CCondicaoPagamentoEdit::OnFinaliza() {
  m_pImplement->m_conexao.Desconecta();
  const HRESULT hr = CBaseEditExDF::OnFinaliza();
  return QZVerificaHR(hr, eQZFalhaSeNegativo, this, "CCondicaoPagamentoEdit::OnFinaliza", kFonte, __LINE__,
                      "__super::OnFinaliza()");
}

HRESULT CCondicaoPagamentoEdit::LePorCodigo(const char* szFuncao, WORD& iChave, REG_CONDICAO_PAGAMENTOPS& rCondicao) {
  rCondicao.Zera();
  iChave = 0;
  IQZDF_Materiais* pServidor = GetInterface();
  if (pServidor == nullptr) return QZ_E_SEM_CONEXAO;
  const CBstr bstrCodigo(GetText());
  return CP_VERIFICA(szFuncao, pServidor->LeCondicaoPagamentoCodigo(bstrCodigo, &iChave, &rCondicao));
}

bool CCondicaoPagamentoEdit::Existe(CString*) {
  REG_CONDICAO_PAGAMENTOPS rCondicao{};
  WORD iChave = 0;
  const HRESULT hr = LePorCodigo("CCondicaoPagamentoEdit::Existe", iChave, rCondicao);
  if (hr != S_OK || iChave == 0) {
    m_pImplement->m_nMensagem = kNaoEncontrada;
    m_nEstadoValidacao = ESTADO_INVALIDO;
    return false;
  }
  const REG_QZDMA dataCondicao = rCondicao.dmaValidade();
  if (dataCondicao >= QZDMA_MINIMA && dataCondicao <= QZDMA_MAXIMA && m_pImplement->m_dataValidade != 0 &&
      dataCondicao < m_pImplement->m_dataValidade) {
    m_pImplement->m_nMensagem = kVencida;
    m_nEstadoValidacao = ESTADO_INVALIDO;
    return false;
  }
  m_pImplement->m_strDescricao = TextoDe(rCondicao.szNome());
  if (!ModuloPodeUsar(m_pImplement->m_nModulo, rCondicao)) {
    m_pImplement->m_strDescricao.Empty();
    m_pImplement->m_nMensagem = kModuloNaoPodeUsar;
    m_nEstadoValidacao = ESTADO_INVALIDO;
    return false;
  }
  return true;
}

bool CCondicaoPagamentoEdit::GetPonteiro(unsigned short& iPonteiro) {
  iPonteiro = 0;
  if (m_nEstadoValidacao != ESTADO_VALIDO) {
    ValidaValor();
    if (m_nEstadoValidacao != ESTADO_VALIDO) return false;
  }
  REG_CONDICAO_PAGAMENTOPS rCondicao{};
  WORD iChave = 0;
  if (LePorCodigo("CCondicaoPagamentoEdit::GetPonteiro", iChave, rCondicao) != S_OK || iChave == 0) return false;
  m_pImplement->m_strDescricao = TextoDe(rCondicao.szNome());
  SetStaticText();
  iPonteiro = iChave;
  return true;
}

bool CCondicaoPagamentoEdit::SetPonteiro(unsigned short iPonteiro) {
  REG_CONDICAO_PAGAMENTOPS rCondicao{};
  HRESULT hr = E_FAIL;
  IQZDF_Materiais* pServidor = GetInterface();
  if (iPonteiro != 0)
    hr = pServidor == nullptr ? QZ_E_SEM_CONEXAO
                              : CP_VERIFICA("CCondicaoPagamentoEdit::SetPonteiro",
                                            pServidor->LeCondicaoPagamento(iPonteiro, &rCondicao));
  SetValidarValor(false);
  if (hr == S_OK) {
    m_nEstadoValidacao = ESTADO_VALIDO;
    m_pImplement->m_strDescricao = TextoDe(rCondicao.szNome());
    SetText(std::string(rCondicao.szCodigo()).c_str());
  } else {
    m_nEstadoValidacao = ESTADO_VAZIO;
    m_pImplement->m_strDescricao.Empty();
    SetText("");
  }
  SetValidarValor(true);
  SetStaticText();
  return true;
}

CString CCondicaoPagamentoEdit::GetStaticText() {
  return m_nEstadoValidacao == ESTADO_VALIDO ? m_pImplement->m_strDescricao : CString();
}

void CCondicaoPagamentoEdit::MandaMensagem() {
  if (m_pImplement->m_nMensagem != 0) QZMensagem(static_cast<unsigned long>(m_pImplement->m_nMensagem), CString("DF"));
}

CString CCondicaoPagamentoEdit::TextoPeriodicidade(const REG_PERIODICIDADEPS& rPeriodo) {
  const int nQuantidade = rPeriodo.iQuantidade();
  const bool bUm = nQuantidade == 1;
  const char* szUnidade = "";
  switch (rPeriodo.iUnidade()) {
    case QZ_PERIODO_DIA: szUnidade = bUm ? "dia" : "dias"; break;
    case QZ_PERIODO_MES: szUnidade = bUm ? "mes" : "meses"; break;
    case QZ_PERIODO_ANO: szUnidade = bUm ? "ano" : "anos"; break;
    default: break;
  }
  CString strQuantidade;
  strQuantidade.Format("%d ", nQuantidade);
  CString strTexto;
  strTexto.Format("%s  -  (%s%s)", TextoDe(rPeriodo.szNome()).GetString(), strQuantidade.GetString(), szUnidade);
  return strTexto;
}

// A tabela de periodicidades da empresa em m_pPeriodos; cada passo que falha é
// mostrado e os seguintes ainda correm.
void CCondicaoPagamentoEdit::CarregaPeriodos() {
  CQZComPtr<IQZDF_Periodo> ptrPeriodo;
  HRESULT hr = ptrPeriodo.CoCreateInstance(CLSID_QZDF_Periodo, eQZCCI_LOG_FAILURE | eQZCCI_RETRY);
  IQZDF_Periodo* pPeriodo = ptrPeriodo.Get();
  if (hr != S_OK) CP_MOSTRA(this, hr, 276821, kFontePeriodo);
  hr = pPeriodo == nullptr
           ? QZ_E_SEM_CONEXAO
           : pPeriodo->Inicializa(CBstr(GetEmpresaProfiler()), GetUsuarioProfiler(), GetSessaoProfiler());
  if (hr != S_OK) CP_MOSTRA(this, hr, 276839, kFontePeriodo);
  REG_BUSCA_PERIODOPS rBusca{};
  rBusca.Set_byTodas(1);
  REG_CHAVES_PERIODOPS rChaves{};
  hr = pPeriodo == nullptr ? QZ_E_SEM_CONEXAO : pPeriodo->BuscaPonteiros(rBusca, &rChaves);
  if (hr != S_OK) CP_MOSTRA(this, hr, 276847, kFontePeriodo);
  const DWORD nQtd = hr == S_OK ? rChaves.nQtd() : 0;
  delete[] m_pImplement->m_pPeriodos;
  m_pImplement->m_pPeriodos = new REG_PERIODICIDADEPS[nQtd > 0 ? nQtd : 1]();
  m_pImplement->m_nPeriodos = nQtd;
  hr = pPeriodo == nullptr ? QZ_E_SEM_CONEXAO : pPeriodo->LeVarios(nQtd, rChaves.pChave(), m_pImplement->m_pPeriodos);
  if (hr != S_OK) CP_MOSTRA(this, hr, 276855, kFontePeriodo);
  CoTaskMemFree(rChaves.pChave());
  if (pPeriodo != nullptr) pPeriodo->Finaliza();
}

void CCondicaoPagamentoEdit::OnConsulta(CConsulta* pConsulta) {
  pConsulta->SetF6(m_strCaminhoControle, 0, GetEmpresaProfiler(), GetUsuarioProfiler(), GetSessaoProfiler());
  pConsulta->AdicionaColuna("Código", 90, 0, 3, 1, 0);
  pConsulta->AdicionaColuna("Condição", 250, 0, 3, 1, 0);
  pConsulta->AdicionaColuna("Nº Parcela", 50, 0, 3, 1, 0);
  pConsulta->AdicionaColuna("Periodicidade", 250, 0, 3, 1, 0);
  pConsulta->SetTitulo("Relação de Condição de Pagamento");
  pConsulta->SetIDConsulta("RelacaoCondicaoDePagamento");

  REG_FILTRO_CONDICAO_PAGAMENTOPS rFiltro{};
  rFiltro.Set_dmaReferencia(m_pImplement->m_dataValidade);
  rFiltro.Set_byModulo14(m_pImplement->m_nModulo == 14 ? 1 : 0);
  rFiltro.Set_byModulo13(m_pImplement->m_nModulo == 13 ? 1 : 0);
  REG_CHAVES_CONDICAOPS* pConjunto = nullptr;
  IQZDF_Materiais* pServidor = GetInterface();
  const HRESULT hr = pServidor == nullptr ? QZ_E_SEM_CONEXAO : pServidor->BuscaCondicoesPagamento(rFiltro, &pConjunto);
  if (hr != S_OK) CP_MOSTRA(this, hr, 276812, kFonteCondicao);
  // Uma busca que falha lista nada.
  const DWORD nQtd = hr == S_OK && pConjunto != nullptr ? pConjunto->nQtd() : 0;
  DWORD* pChaves = new DWORD[nQtd > 0 ? nQtd : 1];
  for (DWORD i = 0; i < nQtd; ++i) pChaves[i] = pConjunto->pChave()[i];
  if (pConjunto != nullptr) {
    CoTaskMemFree(pConjunto->pChave());
    CoTaskMemFree(pConjunto);
  }

  CarregaPeriodos();
  pConsulta->Conecta(&CCondicaoPagamentoEdit::F4, this);
  pConsulta->SetChaves(nQtd, pChaves);
  pConsulta->HabilitaInclusao(1);
  long nLinha = -1;
  if (pConsulta->EscolheLinha(&nLinha)) {
    SetPonteiro(static_cast<unsigned short>(pConsulta->GetChave(nLinha)));
    m_nEstadoValidacao = ESTADO_VALIDO;
  }
  delete[] m_pImplement->m_pPeriodos;
  m_pImplement->m_pPeriodos = nullptr;
  m_pImplement->m_nPeriodos = 0;
}

void CCondicaoPagamentoEdit::F4(long lDono, unsigned short nPedido, long lChave, unsigned short, CString* pColunas) {
  auto* pEdit = reinterpret_cast<CCondicaoPagamentoEdit*>(lDono);
  if (pEdit == nullptr) return;
  if (nPedido == CONSULTA_INCLUI) {
    CString strParametros;
    strParametros.Format("-E\"%s\" -U%d -L%d", pEdit->GetEmpresaProfiler().GetString(),
                         static_cast<int>(pEdit->GetUsuarioProfiler()), static_cast<int>(pEdit->GetSessaoProfiler()));
    pEdit->AbreCadastro(strParametros);
    return;
  }
  if (nPedido != CONSULTA_PREENCHE_LINHA || pColunas == nullptr) return;
  REG_CONDICAO_PAGAMENTOPS rCondicao{};
  IQZDF_Materiais* pServidor = pEdit->GetInterface();
  const HRESULT hr =
      pServidor == nullptr ? QZ_E_SEM_CONEXAO : pServidor->LeCondicaoPagamento(static_cast<WORD>(lChave), &rCondicao);
  if (hr != S_OK) {
    rCondicao.Zera();
    CP_MOSTRA(pEdit, hr, 276804, kFonteCondicao);
  }
  pColunas[0] = TextoDe(rCondicao.szCodigo());
  pColunas[1] = TextoDe(rCondicao.szNome());
  pColunas[2].Format("%d", static_cast<int>(rCondicao.byParcelas()));
  pColunas[3].Empty();
  const WORD iCodigo = rCondicao.byPeriodicidade();
  if (iCodigo == 0) return;
  const CCondicaoPagamentoEditImplement& impl = *pEdit->m_pImplement;
  for (DWORD i = 0; i < impl.m_nPeriodos; ++i)
    if (impl.m_pPeriodos[i].iCodigo() == iCodigo) pColunas[3] += TextoPeriodicidade(impl.m_pPeriodos[i]);
}

void CCondicaoPagamentoEdit::ChamaTelaCadastro() {
  CString strCodigo = GetText();
  if (!Existe(&strCodigo)) strCodigo.Empty();
  CString strParametros;
  strParametros.Format("-E\"%s\" -U%d -L%d -C\"%s\"", GetEmpresaProfiler().GetString(),
                       static_cast<int>(GetUsuarioProfiler()), static_cast<int>(GetSessaoProfiler()),
                       strCodigo.GetString());
  AbreCadastro(strParametros);
}

// O cadastro de condições da pasta de instalação da suíte, sem shell.
void CCondicaoPagamentoEdit::AbreCadastro(const CString& strParametros) {
  CVRMSVRUtil::ExecutaProgramaLinhaDeComando(kPrograma, vrmwnd::kCodigoModulo, strParametros);
}
