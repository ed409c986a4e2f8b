// As leituras de um registro: cada uma devolve exatamente os valores do banco nos
// deslocamentos do seu layout (linha gerada campo a campo, do maior texto que cabe ao
// número negativo e ao sem sinal acima de 2^31); chave que falta; interfaces não
// ligadas ou de outro servidor; o gancho que faz a N-ésima chamada falhar.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <span>

#include "ambiente_teste.h"
#include "empresa_teste.h"
#include "vrmwnd/base/QZProfiler.h"
#include "vrmwnd/suite/ganchos_teste.h"
#include "vrmwnd/suite/leiautes/REG_CM_CFGALERTAPS.h"
#include "vrmwnd/suite/leiautes/REG_ES_LOTEPS.h"
#include "vrmwnd/suite/leiautes/REG_FILIALPS.h"
#include "vrmwnd/suite/leiautes/REG_HISTORICOPS.h"
#include "vrmwnd/suite/leiautes/REG_SIT_TRIB_PRODUTOPS.h"
#include "vrmwnd/suite/leiautes/_REG_NATUREZAPS.h"
#include "vrmwnd/suite/leiautes/_REG_PRODUTOPS.h"
#include "vrmwnd/suite/leiautes/_REG_UNIDADES_MEDIDAPS.h"
#include "vrmwnd/suite/leiautes/_RegCFRT.h"
#include "vrmwnd/suite/leiautes/_RegContaPS.h"
#include "vrmwnd/suite/leiautes/tagREG_CADDOCPS.h"
#include "vrmwnd/suite/leiautes/tagREG_NOTA_FISCALPS.h"
#include "vrmwnd/suite/servidor/CServidoresCompartilhados.h"
#include "vrmwnd/suite/servidor/criacao_empresa.h"
#include "vrmwnd/suite/servidor/resultados.h"

namespace {

using vrmsuite::ETipoCampo;
using vrmsuite::TCampoLayout;

struct TValor {
  std::string strSql;
  std::vector<BYTE> abBytes;
  long long llNumero = 0;
};

std::uint32_t Hash(const char* sz) {
  std::uint32_t h = 2166136261u;
  for (; *sz; ++sz) h = (h ^ static_cast<BYTE>(*sz)) * 16777619u;
  return h;
}

template <class T>
TValor Numero(T v) {
  TValor valor{std::to_string(v), std::vector<BYTE>(sizeof v), static_cast<long long>(v)};
  std::memcpy(valor.abBytes.data(), &v, sizeof v);
  return valor;
}

// Um valor por campo, que depende só do nome (o mesmo campo em dois layouts da mesma
// tabela recebe o mesmo valor) e usa a faixa toda do tipo.
TValor ValorPara(const TCampoLayout& campo) {
  std::uint32_t h = Hash(campo.szNome);
  switch (campo.eTipo) {
    case ETipoCampo::Byte: return Numero(static_cast<BYTE>(128 + h % 127));
    case ETipoCampo::Caractere: {
      char c = static_cast<char>('A' + h % 26);
      return {std::string("'") + c + "'", {static_cast<BYTE>(c)}, c};
    }
    case ETipoCampo::Int16: return Numero(static_cast<SHORT>(-1 - static_cast<int>(h % 30000)));
    case ETipoCampo::Word: return Numero(static_cast<WORD>(40000 + h % 25000));
    case ETipoCampo::Int32: return Numero(static_cast<LONG>(-100000 - static_cast<LONG>(h % 100000)));
    case ETipoCampo::Dword: return Numero(static_cast<DWORD>(3000000000u + h % 1000000));
    case ETipoCampo::Int64:
    case ETipoCampo::Moeda: return Numero(static_cast<LONGLONG>(-1234567890123LL - h));
    case ETipoCampo::Data: {
      int d = 1 + h % 28, m = 1 + h % 12, a = 1990 + h % 40;
      char sz[16];
      std::snprintf(sz, sizeof sz, "'%04d-%02d-%02d'", a, m, d);
      TValor v = Numero(QZDMA(d, m, a));
      v.strSql = sz;
      return v;
    }
    case ETipoCampo::Texto: {
      // O maior texto que cabe: largura - 1 bytes, com o nome repetido.
      std::string s;
      while (s.size() < campo.nLargura - 1u) s += campo.szNome;
      s.resize(campo.nLargura - 1u);
      TValor v{"'" + s + "'", std::vector<BYTE>(s.begin(), s.end()), 0};
      v.abBytes.push_back(0);
      return v;
    }
    default: return {};
  }
}

using TCampos = std::span<const TCampoLayout>;

// Bloco esperado: cada campo com o seu valor no seu deslocamento, o resto zero.
std::vector<BYTE> BlocoEsperado(TCampos campos, std::size_t nTamanho, std::map<std::string, TValor>& valores) {
  std::vector<BYTE> ab(nTamanho, 0);
  for (const TCampoLayout& c : campos) {
    const TValor& v = valores[c.szNome];
    std::memcpy(ab.data() + c.nOffset, v.abBytes.data(), v.abBytes.size());
  }
  return ab;
}

struct TCasoLeitura {
  const char* szTabela;
  const char* szChave;
  std::vector<TCampos> camposDosLayouts;
  std::map<std::string, std::string> sobrescreve;  // coluna -> valor SQL fixo
  // Lê com a chave e devolve os blocos lidos, um por layout.
  std::function<HRESULT(CServidoresCompartilhados&, long long, std::vector<std::vector<BYTE>>&)> fLe;
};

template <class T>
std::vector<BYTE> Bytes(const T& reg) {
  return std::vector<BYTE>(reg.Bytes(), reg.Bytes() + T::kTamanho);
}

template <class T>
TCampos Campos() {
  return TCampos(T::kCampos);
}

class LeiturasTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(m_servidores.OnInicializa(m_empresa.Nome()), S_OK); }
  void TearDown() override { vrmsuite::LimpaFalhasLeitura(); }

  CEmpresaTeste m_empresa{CEmpresaTeste::SO_ESQUEMA};
  CServidoresCompartilhados m_servidores;
};

}  // namespace

namespace {

// Uma leitura por layout, com a tabela de onde vem e a coluna da chave.
std::vector<TCasoLeitura> CasosDeLeitura() {
  using S = CServidoresCompartilhados;
  using B = std::vector<std::vector<BYTE>>;
  return {
      {"conta",
       "lPonteiro",
       {Campos<_RegContaPS>()},
       {{"byGerencial", "0"}},
       [](S& s, long long k, B& b) {
         _RegContaPS r;
         HRESULT hr = s.GetUsaServidor()->LeDFPlano(s.m_ppIPlano, k, &r);
         b = {Bytes(r)};
         return hr;
       }},
      {"documento",
       "iPonteiro",
       {Campos<tagREG_CADDOCPS>()},
       {},
       [](S& s, long long k, B& b) {
         tagREG_CADDOCPS r;
         HRESULT hr = s.GetUsaServidor()->LeDFDocumento(s.m_ppIDocumento, WORD(k), &r);
         b = {Bytes(r)};
         return hr;
       }},
      {"natureza",
       "iPonteiro",
       {Campos<_REG_NATUREZAPS>()},
       {},
       [](S& s, long long k, B& b) {
         _REG_NATUREZAPS r;
         HRESULT hr = s.GetUsaServidor()->LeDFNaturezas(s.m_ppICFOP, WORD(k), &r);
         b = {Bytes(r)};
         return hr;
       }},
      {"cfrt",
       "lPonteiroConta",
       {Campos<_RegCFRT>(), Campos<_Reg_InfoExtras_PS>()},
       {},
       [](S& s, long long k, B& b) {
         _RegCFRT r;
         _Reg_InfoExtras_PS x;
         HRESULT hr = s.GetUsaServidor()->LeDFCFRT(s.m_ppICFRT, s.m_ppIPlano, 0, long(k), 0, &r, nullptr, nullptr,
                                                   nullptr, nullptr, nullptr, nullptr, nullptr, &x);
         b = {Bytes(r), Bytes(x)};
         return hr;
       }},
      {"produto",
       "lPonteiro",
       {Campos<_REG_PRODUTOPS>()},
       {},
       [](S& s, long long k, B& b) {
         _REG_PRODUTOPS r;
         HRESULT hr = s.GetUsaServidor()->LeDFProduto(s.m_ppIProduto, long(k), &r);
         b = {Bytes(r)};
         return hr;
       }},
      {"servico",
       "lPonteiro",
       {Campos<_REG_SERVICOPS>()},
       {},
       [](S& s, long long k, B& b) {
         _REG_SERVICOPS r;
         HRESULT hr = s.GetUsaServidor()->LeDFServico(s.m_ppIProduto, long(k), &r);
         b = {Bytes(r)};
         return hr;
       }},
      {"unidade_medida",
       "iPonteiro",
       {Campos<_REG_UNIDADES_MEDIDAPS>(), Campos<_REG_UNIDADES_MEDIDA_SERVICOPS>()},
       {},
       [](S& s, long long k, B& b) {
         _REG_UNIDADES_MEDIDAPS r;
         _REG_UNIDADES_MEDIDA_SERVICOPS q;
         HRESULT hr = s.GetUsaServidor()->LeDFUnidadeMedida(s.m_ppIProduto, WORD(k), &r);
         if (hr == S_OK) hr = s.GetUsaServidor()->LeDFUnidadeMedidaServico(s.m_ppIProduto, WORD(k), &q);
         b = {Bytes(r), Bytes(q)};
         return hr;
       }},
      {"situacao_tributaria",
       "byPonteiro",
       {Campos<REG_SIT_TRIB_PRODUTOPS>()},
       {},
       [](S& s, long long k, B& b) {
         b = {Bytes(s.LeDFSitTribProduto(BYTE(k)))};
         return s.GetUsaServidor()->GetUltimoErro().empty() ? S_OK : E_FAIL;
       }},
      {"historico",
       "iPonteiro",
       {Campos<REG_HISTORICOPS>()},
       {},
       [](S& s, long long k, B& b) {
         REG_HISTORICOPS r;
         HRESULT hr = s.GetUsaServidor()->LeDFHistorico(s.m_ppIHistorico, WORD(k), &r);
         b = {Bytes(r)};
         return hr;
       }},
      {"filial",
       "iPonteiro",
       {Campos<REG_DF_FILIALPS>(), Campos<REG_CN_FILIALPS>()},
       {},
       [](S& s, long long k, B& b) {
         REG_CN_FILIALPS r;
         HRESULT hr = s.GetUsaServidor()->LeCNFilial(s.m_ppIFilial, WORD(k), &r);
         b = {Bytes(s.LeDFFilial(WORD(k))), Bytes(r)};
         return hr;
       }},
      {"lote_estoque",
       "lPonteiro",
       {Campos<REG_ES_LOTEPS>()},
       {},
       [](S& s, long long k, B& b) {
         REG_ES_LOTEPS r;
         HRESULT hr = s.GetUsaServidor()->LeESMovimentoLote(s.m_ppIMovimentoEs, long(k), &r);
         b = {Bytes(r)};
         return hr;
       }},
      {"volume_estoque",
       "lPonteiro",
       {Campos<REG_ES_VOLUMEPS>()},
       {},
       [](S& s, long long k, B& b) {
         REG_ES_VOLUMEPS r;
         HRESULT hr = s.GetUsaServidor()->LeESMovimentoVolume(s.m_ppIMovimentoEs, long(k), &r);
         b = {Bytes(r)};
         return hr;
       }},
      {"cm_cfg_alerta",
       "lTipoAlerta",
       {Campos<REG_CM_CFGALERTAPS>()},
       {},
       [](S& s, long long k, B& b) {
         REG_CM_CFGALERTAPS r;
         HRESULT hr = s.GetUsaServidor()->LeCMCfgEmail(s.m_ppICMMestre, &r, DWORD(k), REG_CM_CFGALERTAPS::kNivelTudo);
         b = {Bytes(r)};
         return hr;
       }},
  };
}

}  // namespace

TEST_F(LeiturasTest, CadaLeituraDevolveOBancoNosDeslocamentosDoLayout) {
  for (const TCasoLeitura& caso : CasosDeLeitura()) {
    SCOPED_TRACE(caso.szTabela);
    std::map<std::string, TValor> valores;
    std::string strColunas, strValores;
    for (TCampos campos : caso.camposDosLayouts) {
      for (const TCampoLayout& c : campos) {
        if (valores.count(c.szNome)) continue;
        valores[c.szNome] = ValorPara(c);
        auto it = caso.sobrescreve.find(c.szNome);
        if (it != caso.sobrescreve.end()) valores[c.szNome] = Numero(static_cast<BYTE>(std::stoi(it->second)));
        strColunas += std::string(strColunas.empty() ? "" : ", ") + c.szNome;
        strValores += (strValores.empty() ? "" : ", ") + valores[c.szNome].strSql;
      }
    }
    m_empresa.Executa(std::string("INSERT INTO ") + caso.szTabela + " (" + strColunas + ") VALUES (" + strValores +
                      ")");
    std::vector<std::vector<BYTE>> lidos;
    ASSERT_EQ(caso.fLe(m_servidores, valores[caso.szChave].llNumero, lidos), S_OK)
        << m_servidores.GetUsaServidor()->GetUltimoErro();
    ASSERT_EQ(lidos.size(), caso.camposDosLayouts.size());
    for (std::size_t i = 0; i < lidos.size(); ++i) {
      std::vector<BYTE> esperado = BlocoEsperado(caso.camposDosLayouts[i], lidos[i].size(), valores);
      for (std::size_t k = 0; k < esperado.size(); ++k)
        ASSERT_EQ(int(lidos[i][k]), int(esperado[k])) << "layout " << i << ", byte " << k;
    }
  }
}

TEST_F(LeiturasTest, ChaveQueFaltaFalhaComCodigoProprioEChaveZeroEhNenhum) {
  CUsaServidor& usa = *m_servidores.GetUsaServidor();
  _RegContaPS conta;
  conta.Set_szCodigo("lixo");
  EXPECT_EQ(usa.LeDFPlano(m_servidores.m_ppIPlano, 4242, &conta), QZ_E_REGISTRO_NAO_ENCONTRADO);
  EXPECT_EQ(usa.GetUltimoErro(), "conta 4242 não existe");
  EXPECT_EQ(conta.szCodigo(), "") << "na falha o registro fica zerado";

  _REG_NATUREZAPS natureza;
  EXPECT_EQ(usa.LeDFNaturezas(m_servidores.m_ppICFOP, 0, &natureza), S_OK);
  EXPECT_EQ(natureza.byPresente(), 0);

  tagREG_NOTA_FISCALPS* pNF = reinterpret_cast<tagREG_NOTA_FISCALPS*>(&conta);
  const SIZE_T nVivos = CoTaskMemLiveBlocks();
  EXPECT_EQ(usa.LeDFNotasFiscais(m_servidores.m_ppINotasFiscais, 6144, &pNF), QZ_E_REGISTRO_NAO_ENCONTRADO);
  EXPECT_EQ(pNF, nullptr);
  EXPECT_EQ(CoTaskMemLiveBlocks(), nVivos);
  EXPECT_EQ(usa.LeDFNotasFiscais(m_servidores.m_ppINotasFiscais, 0, &pNF), QZ_E_REGISTRO_NAO_ENCONTRADO);
}

TEST_F(LeiturasTest, InterfaceDesligadaOuDeOutroServidorFalha) {
  CUsaServidor& usa = *m_servidores.GetUsaServidor();
  _RegContaPS conta;
  EXPECT_EQ(usa.LeDFPlano(m_servidores.m_ppIDocumento, 1, &conta), E_NOINTERFACE);
  EXPECT_EQ(usa.LeDFPlano(nullptr, 1, &conta), QZ_E_SEM_CONEXAO);
  ASSERT_EQ(m_servidores.OnFinaliza(), S_OK);
  EXPECT_FALSE(m_servidores.EstaInicializado());
  EXPECT_EQ(usa.LeDFPlano(m_servidores.m_ppIPlano, 0, &conta), QZ_E_SEM_CONEXAO);
  EXPECT_EQ(usa.InicializaCNFilial(m_servidores.m_ppIFilial), QZ_E_SEM_CONEXAO);

  EXPECT_LT(m_servidores.OnInicializa("EMPRESA_QUE_NAO_EXISTE"), 0);
  EXPECT_NE(usa.GetUltimoErro().find("EMPRESA_QUE_NAO_EXISTE"), std::string::npos);
  EXPECT_LT(m_servidores.OnInicializa("../fora"), 0);
  EXPECT_EQ(usa.GetUltimoErro(), "nome de empresa inválido: \"../fora\"");
}

TEST_F(LeiturasTest, GanchoFazANesimaChamadaOuTodasFalharem) {
  CUsaServidor& usa = *m_servidores.GetUsaServidor();
  const HRESULT kCodigo = static_cast<HRESULT>(0x80041234u);
  const struct {
    int nChamada;
    std::vector<HRESULT> esperados;
  } kCasos[] = {
      {1, {kCodigo, S_OK, S_OK}},
      {2, {S_OK, kCodigo, S_OK}},
      {0, {kCodigo, kCodigo, kCodigo}},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.nChamada);
    vrmsuite::ProgramaFalhaLeitura("LeDFDocumento", kCodigo, c.nChamada);
    for (HRESULT hrEsperado : c.esperados) {
      tagREG_CADDOCPS doc;
      EXPECT_EQ(usa.LeDFDocumento(m_servidores.m_ppIDocumento, 0, &doc), hrEsperado);
      _RegContaPS conta;
      EXPECT_EQ(usa.LeDFPlano(m_servidores.m_ppIPlano, 0, &conta), S_OK) << "outra leitura não falha";
    }
  }
  vrmsuite::LimpaFalhasLeitura();
  tagREG_CADDOCPS doc;
  EXPECT_EQ(usa.LeDFDocumento(m_servidores.m_ppIDocumento, 0, &doc), S_OK);
}

TEST(CQZInicializadorTest, EmpresaDoProcessoServeAOnInicializaSemNome) {
  CEmpresaTeste empresa(CEmpresaTeste::COM_AMOSTRA);
  CQZInicializador inicializador;
  CServidoresCompartilhados servidores;
  EXPECT_EQ(inicializador.Inicializa("NAO_HA", 1, 1), QZ_E_EMPRESA_NAO_ENCONTRADA);
  ASSERT_EQ(inicializador.Inicializa(CQZProfilerEmpresa(empresa.Nome(), 17, 3)), S_OK);
  EXPECT_EQ(CQZInicializador::GetUsuario(), 17);
  EXPECT_EQ(CQZInicializador::GetSessao(), 3);
  ASSERT_EQ(servidores.OnInicializa(), S_OK);
  EXPECT_TRUE(servidores.LeDFCFRTEhJuridico(2004));
  EXPECT_FALSE(servidores.LeDFCFRTEhJuridico(2005)) << "pessoa física";
  EXPECT_FALSE(servidores.LeDFCFRTEhJuridico(9999)) << "conta que não existe";
  EXPECT_EQ(servidores.LeConta(4001).cClassificacao(), 'S');
  CUsaServidor& usa = *servidores.GetUsaServidor();
  EXPECT_TRUE(usa.FilialTributadaIPI(servidores.m_ppIFilial, 1));
  EXPECT_FALSE(usa.FilialTributadaIPI(servidores.m_ppIFilial, 2));
  EXPECT_TRUE(usa.NaturezaImportacao(servidores.m_ppICFOP, 3));
  EXPECT_TRUE(usa.UsaDI(servidores.m_ppICFOP, servidores.m_ppICFRT, servidores.m_ppIPlano, servidores.m_ppIMunicipio,
                        servidores.m_ppIEstado, 2003, 3, 0));
  EXPECT_FALSE(usa.UsaDI(servidores.m_ppICFOP, servidores.m_ppICFRT, servidores.m_ppIPlano, servidores.m_ppIMunicipio,
                         servidores.m_ppIEstado, 2003, 1, 0));
  inicializador.Finaliza();
  EXPECT_LT(servidores.OnInicializa(), 0) << "sem empresa no processo";
}

TEST(CQZBancoEmpresaTest, EmpresaDeAmostraCriadaEAbertaPeloNomeNoRegistro) {
  CHomeTemporaria home;
  std::string strErro;
  EXPECT_EQ(vrmsuite::AbreEmpresa("AMOSTRA", strErro), nullptr);
  EXPECT_NE(strErro.find("a empresa \"AMOSTRA\" não está registrada"), std::string::npos) << strErro;

  ASSERT_EQ(vrmsuite::CriaEmpresaDeAmostra("AMOSTRA", strErro), S_OK) << strErro;
  EXPECT_EQ(vrmsuite::ArquivoEmpresa("AMOSTRA"), home.Pasta() + "/empresas/AMOSTRA/empresa.db");
  EXPECT_EQ(vrmsuite::CriaEmpresaDeAmostra("AMOSTRA", strErro), E_FAIL) << "não sobrescreve";
  EXPECT_NE(strErro.find("já existe"), std::string::npos);

  CServidoresCompartilhados servidores;
  ASSERT_EQ(servidores.OnInicializa("AMOSTRA"), S_OK) << servidores.GetUsaServidor()->GetUltimoErro();
  REG_DF_FILIALPS filial = servidores.LeDFFilial(2);
  EXPECT_EQ(filial.szNome(), "Filial Curitiba");
  tagREG_NOTA_FISCALPS* pNF = nullptr;
  ASSERT_EQ(servidores.GetUsaServidor()->LeDFNotasFiscais(servidores.m_ppINotasFiscais, 6144, &pNF), S_OK);
  EXPECT_EQ(pNF->lNumero(), 1001);
  pNF->Libera();
  CoTaskMemFree(pNF);
}
