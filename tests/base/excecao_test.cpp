// CQZExceptionEx, CQZException e os textos dos arquivos de mensagens.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "profiler_teste.h"

TEST(QZTextoMensagemTest, LinhasDoArquivoDeMensagens) {
  CInstalacaoTeste inst;
  const std::string longa = "20      " + std::string(1015, 'x') + "30      cauda da linha longa\n";
  EscreveArquivo(inst.Arquivo("QZCMMens.txt"),
                 "1607    Autorização não encontrada.\n"
                 " +1204  Informe a descrição.\\nSem ela não dá.\n"
                 "-5      Negativo\r\n"
                 "77\n" +
                     longa + "1607    Repetida, não lida\n");
  constexpr struct {
    long codigo;
    const char* esperado;
  } kCasos[] = {
      {1607, "Autorização não encontrada."},
      {1204, "Informe a descrição.\nSem ela não dá."},
      {-5, "Negativo"},
      {77, ""},
      {30, "cauda da linha longa"},  // o resto da linha longa vira outra linha
      {9999, ""},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.codigo);
    EXPECT_EQ(std::string(QZTextoMensagem(c.codigo, "CM")), c.esperado);
  }
  EXPECT_EQ(std::string(QZTextoMensagem(20, QZ_MODULO_COMPRAS)), std::string(1015, 'x'))
      << "1.023 caracteres lidos, menos os oito do número";
}

TEST(QZTextoMensagemTest, ArquivoAusenteAvisaEDaTextoVazio) {
  CInstalacaoTeste inst(CInstalacaoTeste::VAZIA);
  CApresentadorTeste apresentador;
  EXPECT_EQ(std::string(QZTextoMensagem(1607, "DF")), "");
  ASSERT_EQ(apresentador.Caixas().size(), 1u);
  const TCaixaMostrada& caixa = apresentador.Caixas()[0];
  EXPECT_EQ(caixa.hDono, nullptr);
  EXPECT_EQ(caixa.strTitulo, "Erro");
  EXPECT_EQ(caixa.nEstilo, MB_ICONEXCLAMATION);
  EXPECT_EQ(caixa.strTexto, "Não foi possível abrir o arquivo texto de Mensagens " +
                                inst.Arquivo("").substr(0, inst.Arquivo("").size() - 1) +
                                "\\QZDFMens.txt. Caso o caminho esteja correto, atualize o arquivo.");
}

TEST(QZTextoMensagemTest, PastaNoLugarDoArquivoAvisaQueNaoAbre) {
  CInstalacaoTeste inst(CInstalacaoTeste::VAZIA);
  std::filesystem::create_directory(inst.Arquivo("QZDFMens.txt"));
  CApresentadorTeste apresentador;
  EXPECT_EQ(std::string(QZTextoMensagem(1607, "DF")), "");
  ASSERT_EQ(apresentador.Caixas().size(), 1u);
  EXPECT_EQ(apresentador.Caixas()[0].strTitulo, "Erro");
  EXPECT_NE(apresentador.Caixas()[0].strTexto.find("Não foi possível abrir o arquivo texto de Mensagens"),
            std::string::npos);
}

TEST(QZTextoMensagemTest, ArquivoEmWindows1252EhMostradoEmUtf8) {
  CInstalacaoTeste inst;
  // "Autorização não encontrada – € 5" em Windows-1252, e uma linha já em UTF-8.
  EscreveArquivo(inst.Arquivo("QZCMMens.txt"),
                 "1607    Autoriza\xE7\xE3o n\xE3o encontrada \x96 \x80 5\r\n"
                 "1608    Já em UTF-8: ção\n"
                 "1609    Byte sem caractere: \x81.\n");
  constexpr struct {
    long codigo;
    const char* esperado;
  } kCasos[] = {
      {1607, "Autorização não encontrada – € 5"},
      {1608, "Já em UTF-8: ção"},
      {1609, "Byte sem caractere: \uFFFD."},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.codigo);
    EXPECT_EQ(std::string(QZTextoMensagem(c.codigo, "CM")), c.esperado);
  }
}

TEST(QZTextoMensagemTest, Windows1252ParaUtf8ByteAByte) {
  using namespace std::string_literals;
  const struct {
    std::string strEntrada;
    std::string strEsperado;
  } kCasos[] = {
      {"a\xE7\xE3o", "ação"},
      {"j\xC3\xA1 UTF-8", "já UTF-8"},  // UTF-8 válido fica
      {"\x80\x9F\xFF", "€Ÿÿ"},
      {"\x81\x8D\x8F\x90\x9D", "\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"},  // sem caractere no código
      {"3\0o n\xE3o"s, "3\0o não"s},                               // o nulo é um caractere como outro
      {"\xC3", "Ã"},                                               // início de UTF-8 sem continuação
      {"\xED\xA0\x80", "í\u00A0€"},                                // substituto codificado: não é UTF-8
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.strEntrada);
    EXPECT_EQ(QZWindows1252ParaUtf8(c.strEntrada), c.strEsperado);
  }
}

TEST(CQZExceptionTest, TextoMensagemEErroDoSistema) {
  CInstalacaoTeste inst;
  EscreveArquivo(inst.Arquivo("QZCMMens.txt"), "1160    Não há dados para mostrar.\n");
  CApresentadorTeste apresentador(IDOK);

  CQZException porCodigo(1160, QZ_MODULO_COMPRAS, 0);
  char buffer[8];
  EXPECT_TRUE(porCodigo.GetErrorMessage(buffer, sizeof buffer));
  EXPECT_STREQ(buffer, "Não h") << "até 7 bytes, sem partir o á";
  EXPECT_EQ(porCodigo.ReportError(MB_OK), IDOK);

  CQZException desconhecida(4242, QZ_MODULO_COMPRAS, ERROR_FILE_NOT_FOUND);
  EXPECT_FALSE(desconhecida.GetErrorMessage(buffer, sizeof buffer));
  desconhecida.ReportError(MB_ICONERROR);

  CQZException porTexto(CString("GetCurrentTime_LocalTime: FileTimeToSystemTime"), 1, 87);
  EXPECT_EQ(porTexto.GetCodigo(), 0);
  porTexto.ReportError(MB_OK);

  ASSERT_EQ(apresentador.Caixas().size(), 3u);
  EXPECT_EQ(apresentador.Caixas()[0].strTexto, "Não há dados para mostrar.");
  EXPECT_EQ(apresentador.Caixas()[0].strTitulo, "Tarvo Compras");
  EXPECT_EQ(apresentador.Caixas()[1].strTexto,
            "Erro desconhecido encontrado. Código (4242)\nErro do SO: 2 - The system cannot find "
            "the file specified.\r\n");
  EXPECT_EQ(apresentador.Caixas()[1].nEstilo, MB_ICONERROR);
  EXPECT_EQ(apresentador.Caixas()[2].strTexto,
            "GetCurrentTime_LocalTime: FileTimeToSystemTime\nErro do SO: 87 - The parameter is "
            "incorrect.\r\n");
  EXPECT_EQ(apresentador.Caixas()[2].strTitulo, "Tarvo Empresarial");
}

TEST(CQZExceptionExTest, CopiaLevaTodosOsCampos) {
  const CQZExceptionEx original(QZ_E_REGISTRO_NAO_ENCONTRADO, 381292, 1410, "EMP", "detalhe", "AutorizacaoCompraEdit",
                                120, "Dec  5 2026 03:48:15");
  CQZExceptionEx copia = original;
  EXPECT_EQ(copia.GetResultado(), QZ_E_REGISTRO_NAO_ENCONTRADO);
  EXPECT_EQ(copia.GetLocal(), 381292);
  EXPECT_EQ(copia.GetModulo(), 1410);
  EXPECT_EQ(std::string(copia.GetDetalhe()), "detalhe");
  EXPECT_EQ(copia.GetLinha(), 120);
  const CQZExceptionEx curta(E_FAIL, 1, 2, "EMP", "Fonte", 3, QZ_COMPILACAO);
  EXPECT_TRUE(curta.GetDetalhe().IsEmpty());
  EXPECT_EQ(curta.GetCompilacao().GetLength(), 20);
}
