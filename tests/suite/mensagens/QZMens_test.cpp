// A biblioteca de mensagens: o texto vem do arquivo de mensagens do módulo achado
// pela sigla, pelo título ou pelo número, e a caixa mostrada leva o título do módulo,
// o dono e o estilo pedidos; a caixa de erro de servidor descreve o resultado; com as
// mensagens desligadas no processo nada é mostrado e volta o botão padrão.
#include <gtest/gtest.h>

#include <functional>

#include "instalacao_teste.h"
#include "vrmwnd/base/QZResultado.h"
#include "vrmwnd/suite/servidor/CServidoresCompartilhados.h"
#include "vrmwnd/suite/mensagens/QZMens.h"

namespace {

class QZMensTest : public testing::Test {
 protected:
  void SetUp() override {
    EscreveArquivo(m_instalacao.Arquivo("QZCMMens.txt"),
                   "1907    Deseja enviar a cotação pela web?\n"
                   "1204    Informe a descrição.\\nSem ela não dá.\n");
  }
  CInstalacaoTeste m_instalacao;
  CApresentadorTeste m_apresentador{IDYES};
};

}  // namespace

TEST_F(QZMensTest, MensagemPeloModuloEmCaixaComTituloDoModulo) {
  const struct {
    std::function<int()> fMostra;
    const char* szTexto;
    UINT nEstilo;
  } kCasos[] = {
      {[] { return QZMensagem(1907, CString("CM")); }, "Deseja enviar a cotação pela web?", MB_OK | MB_ICONEXCLAMATION},
      {[] { return QZMensagem(1204, 7); }, "Informe a descrição.\nSem ela não dá.", MB_OK | MB_ICONEXCLAMATION},
      {[] { return QZMensagem(1907, CString("Tarvo Compras")); }, "Deseja enviar a cotação pela web?",
       MB_OK | MB_ICONEXCLAMATION},
      {[] { return QZMensagem2(nullptr, 1907, "CM", MB_YESNO | MB_ICONQUESTION); }, "Deseja enviar a cotação pela web?",
       MB_YESNO | MB_ICONQUESTION},
      {[] { return QZMensagem(4242, CString("CM")); }, "Mensagem 4242 do módulo CM não cadastrada.",
       MB_OK | MB_ICONEXCLAMATION},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szTexto);
    const std::size_t n = m_apresentador.Caixas().size();
    EXPECT_EQ(c.fMostra(), IDYES) << "o botão da resposta volta ao chamador";
    ASSERT_EQ(m_apresentador.Caixas().size(), n + 1);
    const TCaixaMostrada& caixa = m_apresentador.Caixas().back();
    EXPECT_EQ(caixa.strTexto, c.szTexto);
    EXPECT_EQ(caixa.strTitulo, "Tarvo Compras");
    EXPECT_EQ(caixa.nEstilo, c.nEstilo);
  }
  EXPECT_EQ(QZGetMensagem(1204, "CM"), CString("Informe a descrição.\nSem ela não dá."));
  EXPECT_TRUE(QZGetMensagem(1204, "ZZ").IsEmpty());
}

TEST_F(QZMensTest, ErroDeServidorDescreveOResultado) {
  QZTrataErro2(static_cast<LONGLONG>(QZ_E_REGISTRO_NAO_ENCONTRADO), 380008, 1410, "EMPRESA1", "CondicaoPagamentoEdit",
               77, "Dec  5 2026 04:00:00", false, nullptr, "vrmwnd.dll");
  ASSERT_EQ(m_apresentador.Caixas().size(), 1u);
  const TCaixaMostrada& caixa = m_apresentador.Caixas()[0];
  EXPECT_EQ(caixa.strTitulo, "Erro");
  EXPECT_EQ(caixa.nEstilo, MB_OK | MB_ICONERROR);
  EXPECT_EQ(caixa.strTexto, "DFSREG: Registro não foi encontrado\n\nResultado: 0X8004A201 " +
                                std::string(QZDecodificaResultado(QZ_E_REGISTRO_NAO_ENCONTRADO).szNome) +
                                "\nLocal: 380008/1410\nEmpresa: EMPRESA1\nFonte: CondicaoPagamentoEdit, linha 77\n"
                                "Compilação: Dec  5 2026 04:00:00\nMódulo: vrmwnd.dll");
}

TEST_F(QZMensTest, MensagensDesligadasNaoMostramNadaEDevolvemOBotaoPadrao) {
  const struct {
    std::function<int()> fMostra;
    int nEsperado;
  } kCasos[] = {
      {[] { return QZMensagem(1907, CString("CM")); }, IDOK},
      {[] { return QZMensagem(1204, 7); }, IDOK},
      {[] { return QZMensagem2(nullptr, 1907, "CM", MB_YESNO | MB_ICONQUESTION); }, IDYES},
      {[] { return QZMensagem2(nullptr, 1907, "CM", MB_YESNO | MB_DEFBUTTON2); }, IDNO},
      {[] { return QZMessageBoxEx("Texto", "Título", MB_OKCANCEL | MB_DEFBUTTON2, nullptr); }, IDCANCEL},
      {[] {
         QZTrataErro2(1, 1, 1, "E", "F", 1, "C", false, nullptr, "vrmwnd.dll");
         return 0;
       },
       0},
  };
  CQZInicializador::SetMostrarMensagens(false);
  for (const auto& c : kCasos) EXPECT_EQ(c.fMostra(), c.nEsperado);
  EXPECT_EQ(QZGetMensagem(1907, "CM"), CString("Deseja enviar a cotação pela web?"));
  CQZInicializador::SetMostrarMensagens(true);
  EXPECT_TRUE(m_apresentador.Caixas().empty()) << "nada chegou ao usuário";

  EXPECT_EQ(QZMensagem(1907, CString("CM")), IDYES);
  EXPECT_EQ(m_apresentador.Caixas().size(), 1u) << "religadas, as caixas voltam";
}
