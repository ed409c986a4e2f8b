// Nomes e descrições de HRESULT: as tabelas do Windows vêm da plataforma; aqui
// ficam as facilidades e as descrições da suíte.
#include "vrmwnd/base/QZResultado.h"

namespace {

struct TNome {
  std::uint32_t nValor;
  const char* szTexto;
};

constexpr TNome kFacilidadesSuite[] = {
    {236, "QZ_FACILITY_NE_NFEARQUIVO"},  {237, "QZ_FACILITY_GC_CUSTOS"},        {238, "QZ_FACILITY_GD_GED"},
    {239, "QZ_FACILITY_PP_PRODUCAO"},    {240, "QZ_FACILITY_EX_EXECUTIVO"},     {241, "QZ_FACILITY_CP_PATRIMONIAL"},
    {242, "QZ_FACILITY_EF_FISCAL"},      {243, "QZ_FACILITY_CX_CAIXA"},         {244, "QZ_FACILITY_EC_ECF"},
    {245, "QZ_FACILITY_CL_CONCILIACAO"}, {246, "QZ_FACILITY_ES_ESTOQUE"},       {247, "QZ_FACILITY_CM_COMPRAS"},
    {248, "QZ_FACILITY_AC_ACESSO"},      {249, "QZ_FACILITY_GE_GERENCIADOR"},   {250, "QZ_FACILITY_OR_ORCAMENTO"},
    {251, "QZ_FACILITY_PN_PONTO"},       {252, "QZ_FACILITY_CN_CONTABILIDADE"}, {253, "QZ_FACILITY_FN_FINANCEIRO"},
    {254, "QZ_FACILITY_FT_COMERCIAL"},   {255, "QZ_FACILITY_DF_EMPRESARIAL"},   {262, "QZ_FACILITY_RW_TARVOWEB"},
    {263, "QZ_FACILITY_IR_IRPJLALUR"},   {264, "QZ_FACILITY_CR_CORE"},          {265, "QZ_FACILITY_MM_MANUTENCAO"},
    {266, "QZ_FACILITY_CQ_QUALIDADE"},   {268, "QZ_FACILITY_FP_FOLHA"},         {269, "QZ_FACILITY_CF_QZECF"},
};

constexpr TNome kDescricoes[] = {
    {0x00000000u, "Operação concluída com sucesso"},
    {0x00000001u, "Operação concluída com resultado falso"},
    {0x80004001u, "Não implementado"},
    {0x80004002u, "Interface não suportada"},
    {0x80004003u, "Ponteiro inválido"},
    {0x80004005u, "Falha não especificada"},
    {0x8000FFFFu, "Falha catastrófica"},
    {0x80020005u, "Tipo incompatível"},
    {0x8002000Au, "Valor fora da faixa permitida"},
    {0x80020012u, "Divisão por zero"},
    {0x80040154u, "Classe não registrada"},
    {0x800401F0u, "CoInitialize não foi chamado"},
    {0x8004A201u, "DFSREG: Registro não foi encontrado"},
    {0x8004A202u, "DFSREG: Registro já existe"},
    {0x8004A203u, "DFSCON: Empresa não foi encontrada"},
    {0x8004A204u, "DFSCON: Conexão com o servidor não foi aberta"},
    {0x8004A205u, "DFSBDD: Falha no acesso ao banco de dados da empresa"},
    {0x8004A206u, "DFSREG: Registro corrompido no banco da empresa"},
    {0x8004A210u, "DFSREL: Modelo de relatório não foi encontrado"},
    {0x8004A220u, "DFSPRO: Falta informar classificação"},
    {0x8004A2FFu, "DFSTST: Falha provocada para teste"},
    {0x80070002u, "O arquivo não foi encontrado"},
    {0x80070003u, "O caminho não foi encontrado"},
    {0x80070005u, "Acesso negado"},
    {0x8007000Eu, "Memória insuficiente"},
    {0x80070057u, "Argumento inválido"},
    {0x80FF0AF8u, "A criação do objeto COM terminou sem erro, mas com a interface nula"},
};

// Nomes dos resultados da própria suíte, que as tabelas do Windows não têm.
constexpr TNome kNomesSuite[] = {
    {0x8004A201u, "QZ_E_REGISTRO_NAO_ENCONTRADO"}, {0x8004A202u, "QZ_E_REGISTRO_JA_EXISTE"},
    {0x8004A203u, "QZ_E_EMPRESA_NAO_ENCONTRADA"},  {0x8004A204u, "QZ_E_SEM_CONEXAO"},
    {0x8004A205u, "QZ_E_BANCO_DE_DADOS"},          {0x8004A206u, "QZ_E_REGISTRO_CORROMPIDO"},
    {0x8004A210u, "QZ_E_MODELO_RELATORIO"},        {0x8004A220u, "QZ_E_FALTA_CLASSIFICACAO"},
    {0x8004A2FFu, "QZ_E_FALHA_PROVOCADA"},         {0x80FF0AF8u, "ER_QZDF_CO_CREATE_INSTANCE_INTERFACE_NULA"},
};

template <std::size_t N>
const char* Procura(const TNome (&aTabela)[N], std::uint32_t nValor) {
  for (const TNome& t : aTabela)
    if (t.nValor == nValor) return t.szTexto;
  return nullptr;
}

}  // namespace

const char* QZNomeFacilidade(UINT nFacilidade) {
  if (const char* sz = Procura(kFacilidadesSuite, nFacilidade)) return sz;
  if (const char* sz = GetFacilityName(nFacilidade)) return sz;
  return QZ_TEXTO_DESCONHECIDO_FACILITY;
}

TQZResultadoDecodificado QZDecodificaResultado(HRESULT hr) {
  TQZResultadoDecodificado r{};
  const char* szNome = Procura(kNomesSuite, static_cast<std::uint32_t>(hr));
  if (szNome == nullptr) szNome = GetHResultName(hr);
  r.szNome = szNome ? szNome : QZ_TEXTO_DESCONHECIDO_HRESULT;
  r.nSeveridade = HRESULT_SEVERITY(hr);
  r.szSeveridade = GetSeverityName(r.nSeveridade);
  r.nFacilidade = HRESULT_FACILITY(hr);
  r.szFacilidade = QZNomeFacilidade(r.nFacilidade);
  r.nCodigo = HRESULT_CODE(hr);
  const char* szCodigo = GetWin32ErrorName(r.nCodigo);
  r.szCodigo = szCodigo ? szCodigo : QZ_TEXTO_DESCONHECIDO_CODE;
  const char* szDescricao = Procura(kDescricoes, static_cast<std::uint32_t>(hr));
  r.szDescricao = szDescricao ? szDescricao : QZ_TEXTO_SEM_DESCRICAO;
  return r;
}

CString QZTextoFalha(const char* szExpressao, HRESULT hr) {
  const TQZResultadoDecodificado r = QZDecodificaResultado(hr);
  CString strPrimeiro("hr");
  strPrimeiro += " = ";
  strPrimeiro += szExpressao ? szExpressao : "";
  CString strTexto;
  strTexto.Format("%s\t%s = %#X %s\tSEVERITY = %d %s\tFACILITY = %d %s\tCODE = %d %s\tDescrição = %s", strPrimeiro,
                  "hr", static_cast<unsigned>(hr), r.szNome, r.nSeveridade, r.szSeveridade, r.nFacilidade,
                  r.szFacilidade, r.nCodigo, r.szCodigo, r.szDescricao);
  return strTexto;
}
