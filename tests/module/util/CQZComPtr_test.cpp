// A criação de objetos COM do módulo: pela tabela de classes, pelo identificador da
// classe; classe não registrada, interface nula e falha do componente gravam uma
// linha de ERRO no local da instância ("CQZComPtr<struct IQZDF_Log>::CoCreateInstance",
// fonte "QZComPtr"); o servidor que caiu é tentado de novo; o sucesso grava COCREATE
// quando o rastro de criações está ligado.
#include <gtest/gtest.h>

#include <functional>

#include "instalacao_teste.h"
#include "vrmwnd/base/CQZComPtr.h"
#include "vrmwnd/base/QZProfiler.h"
#include "vrmwnd/base/ganchos_teste.h"
#include "vrmwnd/suite/ganchos_teste.h"
#include "vrmwnd/suite/servidor/IQZDF_Log.h"
#include "vrmwnd/suite/servidor/resultados.h"

namespace {

// {0d9a5c3e-1111-4b2c-9e0f-5a6b7c8d9e0f}: ninguém registra esta classe.
constexpr GUID kClasseNaoRegistrada = {0x0d9a5c3e, 0x1111, 0x4b2c, {0x9e, 0x0f, 0x5a, 0x6b, 0x7c, 0x8d, 0x9e, 0x0f}};
constexpr HRESULT kDesconectado = static_cast<HRESULT>(0x80010108u);

class CQZComPtrTest : public testing::Test {
 public:
  void TearDown() override {
    if (m_bTrocou) CoRegisterClassCreator(CLSID_QZDF_Log, m_criadorOriginal);
    vrmsuite::LimpaFalhasLeitura();
  }
  // Troca o criador do componente de log enquanto o teste dura.
  void TrocaCriador(ClassCreator criador) {
    ClassCreator anterior = CoRegisterClassCreator(CLSID_QZDF_Log, std::move(criador));
    if (!m_bTrocou) m_criadorOriginal = std::move(anterior);
    m_bTrocou = true;
  }
  std::string Arquivos(const char* szPrefixo) const { return m_instalacao.Gravado(szPrefixo); }
  static int Conta(const std::string& strTexto, const std::string& strTrecho) {
    int n = 0;
    for (auto i = strTexto.find(strTrecho); i != std::string::npos; i = strTexto.find(strTrecho, i + 1)) ++n;
    return n;
  }

  CInstalacaoTeste m_instalacao;
  ClassCreator m_criadorOriginal;
  bool m_bTrocou = false;
};

}  // namespace

TEST_F(CQZComPtrTest, FalhasDeCriacaoGravamUmaLinhaNoLocalDaInstancia) {
  const struct {
    const char* szCaso;
    std::function<void(CQZComPtrTest&)> fPrepara;
    GUID clsid;
    DWORD nOpcoes;
    HRESULT hrEsperado;
    const char* szNoLog;  // vazio: nenhuma linha
  } kCasos[] = {
      {"classe não registrada", [](CQZComPtrTest&) {}, kClasseNaoRegistrada, 3, REGDB_E_CLASSNOTREG,
       "\thr = 0X80040154 REGDB_E_CLASSNOTREG\tSEVERITY = 1 SEVERITY_ERROR\tFACILITY = 4 FACILITY_ITF"},
      {"sucesso com interface nula",
       [](CQZComPtrTest& t) {
         t.TrocaCriador([](REFIID, void** ppv) {
           *ppv = nullptr;
           return S_OK;
         });
       },
       CLSID_QZDF_Log, 3, ER_QZDF_CO_CREATE_INSTANCE_INTERFACE_NULA,
       "\thr = 0X80FF0AF8 ER_QZDF_CO_CREATE_INSTANCE_INTERFACE_NULA\tSEVERITY = 1 SEVERITY_ERROR\t"
       "FACILITY = 255 QZ_FACILITY_DF_EMPRESARIAL\tCODE = 2808 "},
      {"o componente falha ao nascer",
       [](CQZComPtrTest&) { vrmsuite::ProgramaFalhaLeitura("IQZDF_Log::Cria", QZ_E_FALHA_PROVOCADA, 0); },
       CLSID_QZDF_Log, 3, QZ_E_FALHA_PROVOCADA, "\thr = 0X8004A2FF "},
      {"servidor caído duas vezes",
       [](CQZComPtrTest& t) {
         t.TrocaCriador([](REFIID, void** ppv) {
           *ppv = nullptr;
           return kDesconectado;
         });
       },
       CLSID_QZDF_Log, 3, kDesconectado, "\thr = 0X80010108 "},
      {"sem eQZCCI_LOG_FAILURE não grava", [](CQZComPtrTest&) {}, kClasseNaoRegistrada, eQZCCI_RETRY,
       REGDB_E_CLASSNOTREG, ""},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    c.fPrepara(*this);
    const std::string strAntes = Arquivos("QZProfilerErros");
    CQZComPtr<IQZDF_Log> pLog;
    EXPECT_EQ(pLog.CoCreateInstance(c.clsid, c.nOpcoes), c.hrEsperado);
    EXPECT_EQ(pLog.Get(), nullptr) << "a falha não deixa interface";
    const std::string strNovo = Arquivos("QZProfilerErros").substr(strAntes.size());
    if (*c.szNoLog == 0) {
      EXPECT_EQ(Conta(strNovo, "\tERRO\t"), 0);
    } else {
      EXPECT_EQ(Conta(strNovo, "\tERRO\t"), 1) << strNovo;
      EXPECT_NE(strNovo.find("\tCQZComPtr<struct IQZDF_Log>::CoCreateInstance\t"), std::string::npos) << strNovo;
      EXPECT_NE(strNovo.find("\tQZComPtr\t"), std::string::npos) << strNovo;
      EXPECT_NE(strNovo.find("\thr = QZCoCreateInstance(rclsid, NULL, CLSCTX_ALL, __uuidof(T)"), std::string::npos);
      EXPECT_NE(strNovo.find(c.szNoLog), std::string::npos) << strNovo;
    }
    vrmsuite::LimpaFalhasLeitura();
    if (m_bTrocou) CoRegisterClassCreator(CLSID_QZDF_Log, m_criadorOriginal);
    m_bTrocou = false;
  }
  EXPECT_NE(Arquivos("QZProfilerErros")
                .find("Descrição = A criação do objeto COM terminou sem erro, mas com a "
                      "interface nula"),
            std::string::npos);
}

TEST_F(CQZComPtrTest, ServidorQueCaiUmaVezETentadoDeNovoSoComRetry) {
  for (const DWORD nOpcoes : {DWORD{3}, DWORD{eQZCCI_LOG_FAILURE}}) {
    SCOPED_TRACE(nOpcoes);
    int nChamadas = 0;
    ClassCreator original = CoRegisterClassCreator(CLSID_QZDF_Log, nullptr);
    CoRegisterClassCreator(CLSID_QZDF_Log, [&](REFIID riid, void** ppv) {
      return ++nChamadas == 1 ? (*ppv = nullptr, kDesconectado) : original(riid, ppv);
    });
    CQZComPtr<IQZDF_Log> pLog;
    const HRESULT hr = pLog.CoCreateInstance(CLSID_QZDF_Log, nOpcoes);
    CoRegisterClassCreator(CLSID_QZDF_Log, original);
    if (nOpcoes & eQZCCI_RETRY) {
      EXPECT_EQ(hr, S_OK);
      EXPECT_EQ(nChamadas, 2);
      EXPECT_NE(pLog.Get(), nullptr);
    } else {
      EXPECT_EQ(hr, kDesconectado);
      EXPECT_EQ(nChamadas, 1);
    }
  }
}

TEST_F(CQZComPtrTest, SucessoGravaCocreateSoComORastroDeCriacoesLigado) {
  for (const bool bLigado : {false, true}) {
    SCOPED_TRACE(bLigado);
    m_instalacao.EscreveLogIni(bLigado ? "CoCreateInstance=1\n" : "");
    QZProfilerReinicia();
    const std::string strAntes = Arquivos("QZProfiler.dat");
    CQZComPtr<IQZDF_Log> pLog;
    ASSERT_EQ(pLog.CoCreateInstance(CLSID_QZDF_Log), S_OK);
    ASSERT_NE(pLog.Get(), nullptr);
    DWORD nQtd = 7;
    EXPECT_EQ(pLog->Quantidade(&nQtd), QZ_E_SEM_CONEXAO) << "a interface criada responde antes de Abre";
    const std::string strNovo = Arquivos("QZProfiler.dat").substr(strAntes.size());
    EXPECT_EQ(Conta(strNovo, "\tCOCREATE\t"), bLigado ? 1 : 0) << strNovo;
    if (bLigado) {
      EXPECT_NE(strNovo.find("\tQZCoCreateInstance\t"), std::string::npos) << strNovo;
      EXPECT_NE(strNovo.find("ProgID = {B2F706FE-7E3D-11D2-9FF1-00A0C9B6FB26}"), std::string::npos) << strNovo;
    }
    EXPECT_EQ(Arquivos("QZProfilerErros"), "");
  }
}
