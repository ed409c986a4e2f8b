// O componente de log de transações sobre a empresa de amostra (o filtro por usuário,
// datas, documento e tipo; inclusão e exclusão; o gancho de falhas em cada operação)
// e a chave do documento em texto.
#include <gtest/gtest.h>

#include "empresa_teste.h"
#include "vrmwnd/base/CQZQuemGerou.h"
#include "vrmwnd/suite/ganchos_teste.h"
#include "vrmwnd/suite/servidor/IQZDF_Log.h"
#include "vrmwnd/suite/servidor/resultados.h"

namespace {

const REG_QZDMC kOrdem123 = CQZQuemGerou(123, 19, 0, 0).GetRegQuemGerou();
const REG_QZDMC kEntrada45 = CQZQuemGerou(45, 18, 0, 0).GetRegQuemGerou();

struct TBstr {
  explicit TBstr(const char* sz) : bstr(SysAllocString(Utf8ToUtf16(sz).c_str())) {}
  ~TBstr() { SysFreeString(bstr); }
  BSTR bstr;
};

class ComponenteLogTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(
        CoCreateInstance(CLSID_QZDF_Log, nullptr, CLSCTX_ALL, uuidof<IQZDF_Log>(), reinterpret_cast<void**>(&m_pLog)),
        S_OK);
    const TBstr bstrEmpresa(m_empresa.Nome());
    ASSERT_EQ(m_pLog->Abre(bstrEmpresa.bstr, 9), S_OK);
  }
  void TearDown() override {
    vrmsuite::LimpaFalhasLeitura();
    if (m_pLog) m_pLog->Release();
  }
  static REG_FILTRO_LOGPS Filtro(LONG lUsuario, LONG lInicial, LONG lFinal, const REG_QZDMC* pDocumento, BYTE byTipo) {
    REG_FILTRO_LOGPS f{};
    f.Set_lUsuario(lUsuario);
    f.Set_lDataInicial(lInicial);
    f.Set_lDataFinal(lFinal);
    if (pDocumento) f.Set_szDocumento(QZLogTextoDocumento(*pDocumento));
    f.Set_byTipoDocumento(byTipo);
    return f;
  }
  std::vector<DWORD> Chaves(const REG_FILTRO_LOGPS& f) {
    DWORD n = 0;
    EXPECT_EQ(m_pLog->Busca(&f, &n), S_OK);
    std::vector<DWORD> chaves(n);
    EXPECT_EQ(m_pLog->LeChaves(&f, n, chaves.data()), S_OK);
    return chaves;
  }

  CEmpresaTeste m_empresa;
  IQZDF_Log* m_pLog = nullptr;
};

}  // namespace

TEST_F(ComponenteLogTest, FiltroPorUsuarioDatasDocumentoETipo) {
  const struct {
    const char* szCaso;
    REG_FILTRO_LOGPS filtro;
    std::vector<DWORD> chaves;
  } kCasos[] = {
      {"tudo", Filtro(-1, -1, -1, nullptr, 0), {1, 2, 3, 4}},
      {"documento", Filtro(-1, -1, -1, &kOrdem123, 0), {1, 2, 4}},
      {"documento e usuário", Filtro(1, -1, -1, &kOrdem123, 0), {1, 4}},
      {"datas inclusivas", Filtro(-1, 20240305, 20240306, nullptr, 0), {2, 3}},
      {"só a inicial", Filtro(-1, 20240306, -1, nullptr, 0), {3, 4}},
      {"tipo 15", Filtro(-1, -1, -1, nullptr, 15), {3}},
      {"documento com tipo de outro", Filtro(-1, -1, -1, &kEntrada45, 8), {}},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    EXPECT_EQ(Chaves(c.filtro), c.chaves);
  }
  REG_LOGPS r{};
  const REG_FILTRO_LOGPS fOrdem = Filtro(-1, -1, -1, &kOrdem123, 0);
  ASSERT_EQ(m_pLog->Ultima(&fOrdem, &r), S_OK);
  EXPECT_EQ(r.lChave(), 4u);
  EXPECT_EQ(r.szOperacao(), "Liberação");
  ASSERT_EQ(m_pLog->Primeira(&fOrdem, &r), S_OK);
  EXPECT_EQ(r.lChave(), 1u);
  REG_FILTRO_LOGPS fRuim = Filtro(-1, -1, -1, nullptr, 0);
  fRuim.Set_szDocumento("XYZ");
  DWORD n = 99;
  EXPECT_EQ(m_pLog->Busca(&fRuim, &n), E_INVALIDARG) << "documento que não é texto de chave";
  EXPECT_EQ(n, 0u);
}

TEST_F(ComponenteLogTest, IncluiExcluiEApagaAsAnteriores) {
  REG_LOGPS r{};
  r.Set_dwDocBaixo(kEntrada45.dwBaixo);
  r.Set_byTipoDocumento(QZLogTipoDocumento(kEntrada45));
  r.Set_szMomento("2024-04-01 10:00:00");
  r.Set_szOperacao("Alteração");
  r.Set_szDescricao("Nota conferida");
  ASSERT_EQ(m_pLog->Inclui(&r), S_OK);
  EXPECT_EQ(r.lChave(), 5u);
  EXPECT_EQ(r.nUsuario(), 9u) << "o usuário é o do componente";
  EXPECT_EQ(Chaves(Filtro(-1, -1, -1, &kEntrada45, 15)), (std::vector<DWORD>{3, 5}));
  BSTR bstr = nullptr;
  ASSERT_EQ(m_pLog->Descreve(5, &bstr), S_OK);
  EXPECT_EQ(CString(bstr), CString("2024-04-01 10:00:00  U009  Alteração     Nota conferida"));
  SysFreeString(bstr);

  EXPECT_EQ(m_pLog->Exclui(5), S_OK);
  EXPECT_EQ(m_pLog->Exclui(5), QZ_E_REGISTRO_NAO_ENCONTRADO);
  DWORD n = 0;
  ASSERT_EQ(m_pLog->ExcluiAnteriores(20240306, &n), S_OK);
  EXPECT_EQ(n, 2u);
  ASSERT_EQ(m_pLog->Quantidade(&n), S_OK);
  EXPECT_EQ(n, 2u);
  EXPECT_EQ(m_pLog->Le(1, &r), QZ_E_REGISTRO_NAO_ENCONTRADO);
}

TEST_F(ComponenteLogTest, CadaOperacaoFalhaPeloGanchoESemConexao) {
  const REG_FILTRO_LOGPS f = Filtro(-1, -1, -1, nullptr, 0);
  DWORD n = 0, aChaves[1] = {1};
  REG_LOGPS r{};
  const TBstr bstrArquivo("/nao/existe/LOG.tmp");
  const struct {
    const char* szOperacao;
    std::function<HRESULT()> fChama;
  } kCasos[] = {
      {"IQZDF_Log::Quantidade", [&] { return m_pLog->Quantidade(&n); }},
      {"IQZDF_Log::Le", [&] { return m_pLog->Le(1, &r); }},
      {"IQZDF_Log::Busca", [&] { return m_pLog->Busca(&f, &n); }},
      {"IQZDF_Log::LeChaves", [&] { return m_pLog->LeChaves(&f, 1, aChaves); }},
      {"IQZDF_Log::LeVarios", [&] { return m_pLog->LeVarios(1, aChaves, &r); }},
      {"IQZDF_Log::Primeira", [&] { return m_pLog->Primeira(&f, &r); }},
      {"IQZDF_Log::GeraRelatorio",
       [&] { return m_pLog->GeraRelatorio(bstrArquivo.bstr, nullptr, nullptr, &f, 1, aChaves); }},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szOperacao);
    vrmsuite::ProgramaFalhaLeitura(c.szOperacao, QZ_E_FALHA_PROVOCADA, 1);
    EXPECT_EQ(c.fChama(), QZ_E_FALHA_PROVOCADA);
    EXPECT_EQ(c.fChama(),
              c.szOperacao == std::string("IQZDF_Log::GeraRelatorio") ? static_cast<HRESULT>(0x80070003u) : S_OK)
        << "só a chamada programada falha";
  }
  ASSERT_EQ(m_pLog->Fecha(), S_OK);
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szOperacao);
    EXPECT_EQ(c.fChama(), QZ_E_SEM_CONEXAO);
  }
  EXPECT_EQ(m_pLog->GeraRelatorio(bstrArquivo.bstr, nullptr, nullptr, &f, 0, nullptr), QZ_E_SEM_CONEXAO);
}

TEST(QZLogTextoDocumentoTest, IdaEVoltaEmBase32ETextosRecusados) {
  for (const std::uint64_t valor : {std::uint64_t{0}, std::uint64_t{2015308}, ~std::uint64_t{0}}) {
    REG_QZDMC r, volta;
    r.SetValor(valor);
    const std::string str = QZLogTextoDocumento(r);
    ASSERT_EQ(str.size(), 13u);
    ASSERT_TRUE(QZLogDocumentoDoTexto(str, &volta)) << str;
    EXPECT_EQ(volta.Valor(), valor) << str;
  }
  REG_QZDMC r;
  for (const char* sz : {"", "000000000000", "0000000000000A", "00000000000W0", "G000000000000", "000000000000a"})
    EXPECT_FALSE(QZLogDocumentoDoTexto(sz, &r)) << sz;
  EXPECT_EQ(QZLogTipoDocumento(kOrdem123), 8);
  EXPECT_EQ(QZLogTipoDocumento(kEntrada45), 15);
  EXPECT_EQ(QZLogTipoDocumento(CQZQuemGerou(1, 5, 0, 0).GetRegQuemGerou()), 0);
}
