// O ambiente da plataforma como os chamadores o veem: registro, arquivos de perfil,
// relógio, nomes de resultados, aberturas com compartilhamento e caixas.
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "ambiente_teste.h"
#include "vrmwnd/platform.h"

namespace {

std::string LeTexto(HKEY raiz, const char* chave, const char* valor, LSTATUS* status) {
  HKEY h = nullptr;
  *status = RegOpenKeyExA(raiz, chave, 0, KEY_READ, &h);
  if (*status != ERROR_SUCCESS) return {};
  char buffer[256] = "";
  DWORD tamanho = sizeof buffer, tipo = 0;
  *status = RegQueryValueExA(h, valor, nullptr, &tipo, reinterpret_cast<BYTE*>(buffer), &tamanho);
  RegCloseKey(h);
  return buffer;
}

void GravaTexto(HKEY raiz, const char* chave, const char* valor, const char* texto) {
  HKEY h = nullptr;
  ASSERT_EQ(RegCreateKeyExA(raiz, chave, 0, nullptr, 0, KEY_WRITE, nullptr, &h, nullptr), ERROR_SUCCESS);
  ASSERT_EQ(RegSetValueExA(h, valor, 0, REG_SZ, reinterpret_cast<const BYTE*>(texto),
                           static_cast<DWORD>(std::strlen(texto) + 1)),
            ERROR_SUCCESS);
  RegCloseKey(h);
}

}  // namespace

TEST(RegistroTest, TextosVoltamComoForamGravados) {
  CHomeTemporaria home;
  const char* kTextos[] = {"C:\\Tarvo\\",
                           " com brancos nas pontas ",
                           "linha\nquebrada\r",
                           "ção",
                           "",
                           "a=b;[x]",
                           "tab no fim\t",
                           "\tno começo",
                           "\v",
                           "fim\f",
                           " \t \v\f\r\n ",
                           "barra no fim\\",
                           "\\t literal",
                           "  dois  "};
  for (const char* texto : kTextos) {
    SCOPED_TRACE(texto);
    GravaTexto(HKEY_LOCAL_MACHINE, "SOFTWARE\\Telvaro\\Tarvo Empresarial", "Path", texto);
    LSTATUS status;
    EXPECT_EQ(LeTexto(HKEY_LOCAL_MACHINE, "software\\TELVARO\\Tarvo Empresarial\\", "PATH", &status), texto);
    EXPECT_EQ(status, ERROR_SUCCESS);
  }
}

TEST(RegistroTest, ArquivoEditadoAMaoLidoComoOIni) {
  CHomeTemporaria home;
  EscreveArquivo(home.Caminho("registry.ini"),
                 "Solto=sz:antes de toda seção\n"
                 "[HKEY_LOCAL_MACHINE\\SOFTWARE\\A]\n"
                 "; comentário\n"
                 "  Um = sz:primeiro  \n"
                 "linha sem igual\n"
                 "[hkey_local_machine\\software\\b]\n"
                 "Um=sz:de B\n"
                 "[HKEY_LOCAL_MACHINE\\SOFTWARE\\A]\n"
                 "Um=sz:repetido, não lido\n"
                 "Dois=sz:na segunda vez que A aparece\n"
                 "[sem fim\n"
                 "Tres=sz:ainda de A\n");
  const struct {
    const char* szChave;
    const char* szValor;
    const char* szEsperado;  // nulo: não existe
  } kCasos[] = {
      {"SOFTWARE\\A", "Um", "primeiro"},     {"SOFTWARE\\A", "Dois", "na segunda vez que A aparece"},
      {"SOFTWARE\\A", "Tres", "ainda de A"}, {"SOFTWARE\\B", "UM", "de B"},
      {"SOFTWARE\\A", "Solto", nullptr},     {"SOFTWARE\\C", "Um", nullptr},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(testing::Message() << c.szChave << " " << c.szValor);
    LSTATUS status;
    const std::string lido = LeTexto(HKEY_LOCAL_MACHINE, c.szChave, c.szValor, &status);
    if (c.szEsperado) {
      EXPECT_EQ(status, ERROR_SUCCESS);
      EXPECT_EQ(lido, c.szEsperado);
    } else {
      EXPECT_NE(status, ERROR_SUCCESS);
    }
  }
}

TEST(RegistroTest, TemporarioPlantadoNaoEhSeguido) {
  // Um link (ou um resto) no lugar do temporário desta gravação não é escrito através.
  CHomeTemporaria home;
  const std::string vitima = home.Caminho("vitima.txt");
  EscreveArquivo(vitima, "intocada");
  const std::string temporario = home.Caminho("registry.ini.tmp." + std::to_string(::getpid()));
  ASSERT_EQ(::symlink(vitima.c_str(), temporario.c_str()), 0);
  GravaTexto(HKEY_LOCAL_MACHINE, "SOFTWARE\\Telvaro", "Valor", "gravado");
  LSTATUS status;
  EXPECT_EQ(LeTexto(HKEY_LOCAL_MACHINE, "SOFTWARE\\Telvaro", "Valor", &status), "gravado");
  EXPECT_EQ(LeArquivo(vitima), "intocada");
}

TEST(RegistroTest, ChavesEValoresAusentesETamanhos) {
  CHomeTemporaria home;
  LSTATUS status;
  LeTexto(HKEY_LOCAL_MACHINE, "SOFTWARE\\Nada", "Path", &status);
  EXPECT_EQ(status, static_cast<LSTATUS>(ERROR_FILE_NOT_FOUND));
  GravaTexto(HKEY_CURRENT_USER, "SOFTWARE\\Telvaro\\Sessao", "Nome", "abcdef");
  LeTexto(HKEY_CURRENT_USER, "SOFTWARE\\Telvaro\\Sessao", "Outro", &status);
  EXPECT_EQ(status, static_cast<LSTATUS>(ERROR_FILE_NOT_FOUND));
  LeTexto(HKEY_LOCAL_MACHINE, "SOFTWARE\\Telvaro\\Sessao", "Nome", &status);
  EXPECT_EQ(status, static_cast<LSTATUS>(ERROR_FILE_NOT_FOUND)) << "cada raiz tem suas chaves";

  HKEY h = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "SOFTWARE\\Telvaro", 0, KEY_READ, &h), ERROR_SUCCESS)
      << "a chave acima de uma chave gravada existe";
  RegCloseKey(h);
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "SOFTWARE\\Telvaro\\Sessao", 0, KEY_ALL_ACCESS, &h), ERROR_SUCCESS);
  DWORD tamanho = 0, tipo = 0;
  EXPECT_EQ(RegQueryValueExA(h, "Nome", nullptr, &tipo, nullptr, &tamanho), ERROR_SUCCESS);
  EXPECT_EQ(tamanho, 7u) << "o tamanho conta o nulo";
  char pequeno[4];
  tamanho = sizeof pequeno;
  EXPECT_EQ(RegQueryValueExA(h, "Nome", nullptr, &tipo, reinterpret_cast<BYTE*>(pequeno), &tamanho),
            static_cast<LSTATUS>(ERROR_MORE_DATA));
  EXPECT_EQ(tamanho, 7u);
  const DWORD numero = 4'000'000'123u;
  ASSERT_EQ(RegSetValueExA(h, "Usuario", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&numero), 4), ERROR_SUCCESS);
  DWORD lido = 0;
  tamanho = sizeof lido;
  EXPECT_EQ(RegQueryValueExA(h, "Usuario", nullptr, &tipo, reinterpret_cast<BYTE*>(&lido), &tamanho), ERROR_SUCCESS);
  EXPECT_EQ(tipo, REG_DWORD);
  EXPECT_EQ(lido, numero);
  RegCloseKey(h);
}

TEST(RegistroTest, DoisProcessosGravandoNaoPerdemValores) {
  CHomeTemporaria home;
  constexpr int kValores = 40;
  pid_t filho = fork();
  ASSERT_GE(filho, 0);
  const char* quem = filho == 0 ? "Filho" : "Pai";
  for (int i = 0; i < kValores; ++i) {
    const std::string nome = std::string(quem) + std::to_string(i);
    HKEY h = nullptr;
    RegCreateKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Telvaro", 0, nullptr, 0, KEY_WRITE, nullptr, &h, nullptr);
    RegSetValueExA(h, nome.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(nome.c_str()),
                   static_cast<DWORD>(nome.size() + 1));
    RegCloseKey(h);
  }
  if (filho == 0) _exit(0);
  int estado = 0;
  waitpid(filho, &estado, 0);
  for (const char* prefixo : {"Pai", "Filho"}) {
    for (int i = 0; i < kValores; ++i) {
      const std::string nome = std::string(prefixo) + std::to_string(i);
      LSTATUS status;
      EXPECT_EQ(LeTexto(HKEY_LOCAL_MACHINE, "SOFTWARE\\Telvaro", nome.c_str(), &status), nome);
    }
  }
}

TEST(PerfilTest, LeNumerosETextosComAsRegrasDoWindows) {
  CHomeTemporaria home;
  const std::string arquivo = home.Caminho("log.ini");
  EscreveArquivo(arquivo,
                 "; comentário\n[Log]\nEntrada = 1\nNegativo=-5\nHexa=0x1F\nSobra=12abc\n"
                 "Letras=abc\nVazio=\nAspas=\"  entre aspas  \"\nProcessos= Compras.exe; Outro \n"
                 "[Outra]\nx=1\n");
  constexpr struct {
    const char* chave;
    int padrao;
    UINT esperado;
  } kNumeros[] = {
      {"Entrada", 0, 1}, {"ENTRADA", 0, 1},     {"Negativo", 0, static_cast<UINT>(-5)},
      {"Hexa", 0, 31},   {"Sobra", 0, 12},      {"Letras", 7, 0},
      {"Vazio", 7, 7},   {"Ausente", 600, 600},
  };
  for (const auto& c : kNumeros) {
    SCOPED_TRACE(c.chave);
    EXPECT_EQ(GetPrivateProfileIntA("log", c.chave, c.padrao, arquivo.c_str()), c.esperado);
  }
  EXPECT_EQ(GetPrivateProfileIntA("Log", "Entrada", 9, home.Caminho("nao-existe.ini").c_str()), 9u);

  char buffer[32];
  EXPECT_EQ(GetPrivateProfileStringA("Log", "Processos", "todos", buffer, sizeof buffer, arquivo.c_str()), 18u);
  EXPECT_STREQ(buffer, "Compras.exe; Outro");
  GetPrivateProfileStringA("Log", "Aspas", "", buffer, sizeof buffer, arquivo.c_str());
  EXPECT_STREQ(buffer, "  entre aspas  ");
  EXPECT_EQ(GetPrivateProfileStringA("Log", "Nada", "padrão  ", buffer, sizeof buffer, arquivo.c_str()), 7u);
  EXPECT_STREQ(buffer, "padrão");
  EXPECT_EQ(GetPrivateProfileStringA("Log", "Processos", "", buffer, 8, arquivo.c_str()), 7u);
  EXPECT_STREQ(buffer, "Compras");
  char secoes[32];
  EXPECT_EQ(GetPrivateProfileStringA(nullptr, nullptr, "", secoes, sizeof secoes, arquivo.c_str()), 10u);
  EXPECT_EQ(std::string(secoes, 11), std::string("Log\0Outra\0", 10) + '\0');

  ASSERT_TRUE(WritePrivateProfileStringA("Log", "Saida", "1", arquivo.c_str()));
  EXPECT_EQ(GetPrivateProfileIntA("Log", "Saida", 0, arquivo.c_str()), 1u);
  EXPECT_EQ(GetPrivateProfileIntA("Log", "Entrada", 0, arquivo.c_str()), 1u);
}

TEST(RelogioTest, RelogioFixoAvancaDataEHoraJuntoComOTick) {
  CRelogioFixo relogio(2024, 12, 31, 23, 59, 59, 990, 5000);
  relogio.Avanca(20);
  SYSTEMTIME st{};
  GetLocalTime(&st);
  EXPECT_EQ(GetTickCount64(), 5020u);
  EXPECT_EQ(st.wYear, 2025);
  EXPECT_EQ(st.wMonth, 1);
  EXPECT_EQ(st.wDay, 1);
  EXPECT_EQ(st.wHour, 0);
  EXPECT_EQ(st.wSecond, 0);
  EXPECT_EQ(st.wMilliseconds, 10);
  EXPECT_EQ(st.wDayOfWeek, 3) << "1º de janeiro de 2025 foi quarta-feira";
  relogio.Avanca(59ull * 86'400'000);  // 29/02/2025 não existe
  GetLocalTime(&st);
  EXPECT_EQ(st.wMonth, 3);
  EXPECT_EQ(st.wDay, 1);
}

TEST(ResultadoTest, NomesDasTabelasDoWindows) {
  constexpr struct {
    HRESULT hr;
    const char* nome;
  } kCasos[] = {
      {S_OK, "S_OK"},
      {S_FALSE, "S_FALSE"},
      {E_FAIL, "E_FAIL"},
      {DISP_E_OVERFLOW, "DISP_E_OVERFLOW"},
      {E_INVALIDARG, "E_INVALIDARG"},
      {HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED), "E_ACCESSDENIED"},
      {static_cast<HRESULT>(0x80040154u), "REGDB_E_CLASSNOTREG"},
      {static_cast<HRESULT>(0x8FFF1234u), nullptr},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.hr);
    const char* nome = GetHResultName(c.hr);
    if (c.nome == nullptr)
      EXPECT_EQ(nome, nullptr);
    else
      EXPECT_STREQ(nome, c.nome);
  }
  EXPECT_STREQ(GetFacilityName(FACILITY_ITF), "FACILITY_ITF");
  EXPECT_STREQ(GetFacilityName(FACILITY_WIN32), "FACILITY_WIN32");
  EXPECT_EQ(GetFacilityName(247), nullptr);
  EXPECT_STREQ(GetWin32ErrorName(0), "ERROR_SUCCESS");
  EXPECT_STREQ(GetWin32ErrorName(32), "ERROR_SHARING_VIOLATION");
  EXPECT_EQ(GetWin32ErrorName(0x4005), nullptr);
  EXPECT_EQ(HRESULT_FACILITY(static_cast<HRESULT>(0x80F70001u)), 247u);
  char texto[64];
  EXPECT_EQ(FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, 2, 0, texto, sizeof texto, nullptr), 44u);
  EXPECT_STREQ(texto, "The system cannot find the file specified.\r\n");
  EXPECT_EQ(FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, 59999, 0, texto, sizeof texto, nullptr), 0u);
}

TEST(CompartilhamentoTest, QuemNegaGravacaoBloqueiaOutroGravador) {
  CHomeTemporaria home;
  const std::string arquivo = home.Caminho("dados.dat");
  std::FILE* primeiro = _fsopen(arquivo.c_str(), "at", _SH_DENYWR);
  ASSERT_NE(primeiro, nullptr);
  errno = 0;
  EXPECT_EQ(_fsopen(arquivo.c_str(), "at", _SH_DENYWR), nullptr);
  EXPECT_EQ(errno, EACCES);
  EXPECT_EQ(_fsopen(arquivo.c_str(), "a", _SH_DENYNO), nullptr);
  std::FILE* leitor = _fsopen(arquivo.c_str(), "rt", _SH_DENYNO);
  EXPECT_NE(leitor, nullptr) << "ler continua permitido";
  if (leitor) std::fclose(leitor);
  std::fclose(primeiro);
  std::FILE* segundo = _fsopen(arquivo.c_str(), "at", _SH_DENYWR);
  EXPECT_NE(segundo, nullptr);
  if (segundo) std::fclose(segundo);
}

TEST(CompartilhamentoTest, PastaNaoAbreComoArquivo) {
  CHomeTemporaria home;
  const std::string pasta = home.CriaSubpasta("uma pasta");
  for (const char* modo : {"rt", "r", "at"}) {
    SCOPED_TRACE(modo);
    errno = 0;
    EXPECT_EQ(_fsopen(pasta.c_str(), modo, _SH_DENYNO), nullptr);
    EXPECT_NE(errno, 0);
  }
}

TEST(CaixaTest, ApresentadorRecebeACaixaEOPadraoRespondeOBotaoPadrao) {
  {
    CApresentadorTeste apresentador(IDNO);
    EXPECT_EQ(MessageBox(nullptr, "Texto", "Título", MB_YESNO | MB_ICONQUESTION), IDNO);
    ASSERT_EQ(apresentador.Caixas().size(), 1u);
    EXPECT_EQ(apresentador.Caixas()[0].strTitulo, "Título");
    EXPECT_EQ(apresentador.Caixas()[0].nEstilo, MB_YESNO | MB_ICONQUESTION);
  }
  constexpr struct {
    UINT estilo;
    int botao;
  } kPadroes[] = {{MB_OK, IDOK},
                  {MB_YESNO, IDYES},
                  {MB_YESNO | MB_DEFBUTTON2, IDNO},
                  {MB_YESNOCANCEL | MB_DEFBUTTON3, IDCANCEL},
                  {MB_RETRYCANCEL, IDRETRY}};
  for (const auto& c : kPadroes) EXPECT_EQ(DefaultMessageBoxButton(c.estilo), c.botao);
}

TEST(ProcessoTest, VersoesEmbutidasENomes) {
  char modulo[4096];
  ASSERT_GT(GetModuleFileNameA(nullptr, modulo, sizeof modulo), 0u);
  EXPECT_NE(std::string(modulo).find("test_platform"), std::string::npos);
  for (const char* arquivo : {static_cast<const char*>(modulo), "C:\\Windows\\System32\\KERNEL32.DLL"}) {
    DWORD handle;
    const DWORD tamanho = GetFileVersionInfoSizeA(arquivo, &handle);
    ASSERT_EQ(tamanho, sizeof(VS_FIXEDFILEINFO));
    std::string bloco(tamanho, '\0');
    ASSERT_TRUE(GetFileVersionInfoA(arquivo, handle, tamanho, bloco.data()));
    void* info = nullptr;
    UINT comprimento = 0;
    ASSERT_TRUE(VerQueryValueA(bloco.data(), "\\", &info, &comprimento));
    EXPECT_EQ(static_cast<VS_FIXEDFILEINFO*>(info)->dwSignature, VS_FFI_SIGNATURE);
  }
  EXPECT_EQ(GetFileVersionInfoSizeA("outro.dll", nullptr), 0u);
  GUID a{}, b{};
  CoCreateGuid(&a);
  CoCreateGuid(&b);
  char ta[40], tb[40];
  EXPECT_EQ(StringFromGUID2A(a, ta, sizeof ta), 39);
  StringFromGUID2A(b, tb, sizeof tb);
  EXPECT_STRNE(ta, tb);
  EXPECT_EQ(std::strlen(ta), 38u);
  EXPECT_EQ(ta[15], '4') << "versão 4";
}
