// CVRMSVRUtil::ExecutaProgramaTarvo e ExecutaProgramaLinhaDeComando: iniciam um
// programa da pasta de instalação com fork/execv, sem shell. Um filho intermediário
// gera o neto que executa o programa e sai logo, de modo que o programa não fica
// zumbi deste processo; um pipe fechado no exec traz de volta o errno de um exec que
// falhou. A linha de comando é separada em argumentos como o Windows a separa.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "vrmwnd/base/QZInstalacao.h"
#include "vrmwnd/base/QZModulos.h"
#include "vrmwnd/suite/regras/CVRMSVRUtil.h"
#include "vrmwnd/suite/mensagens/QZMens.h"

namespace {

// Caminho nativo: as barras invertidas do registro viram barras.
std::string CaminhoNativo(const CString& strCaminho) {
  std::string s(strCaminho.GetString());
  for (char& c : s) {
    if (c == '\\') c = '/';
  }
  return s;
}

std::vector<std::string> PalavrasDe(const CString& strTexto) {
  std::vector<std::string> palavras;
  std::string atual;
  for (const char* p = strTexto;; ++p) {
    if (*p == ' ' || *p == '\t' || *p == '\0') {
      if (!atual.empty()) palavras.push_back(atual);
      atual.clear();
      if (*p == '\0') break;
    } else {
      atual += *p;
    }
  }
  return palavras;
}

// Separa a linha de comando como CommandLineToArgvW separa os argumentos depois do
// nome do programa: espaço e tabulação separam fora de aspas; aspas agrupam e não
// fazem parte do argumento; "" dentro de aspas é uma aspa; 2n barras invertidas
// antes de aspas viram n barras e as aspas agrupam; 2n+1 viram n barras e uma aspa;
// barras que não precedem aspas ficam como estão.
std::vector<std::string> ArgumentosDaLinha(const CString& strLinha) {
  std::vector<std::string> argumentos;
  const std::string s(strLinha.GetString());
  std::size_t i = 0;
  while (true) {
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    if (i >= s.size()) break;
    std::string atual;
    bool bEntreAspas = false;
    while (i < s.size() && (bEntreAspas || (s[i] != ' ' && s[i] != '\t'))) {
      if (s[i] == '\\') {
        std::size_t nBarras = 0;
        while (i < s.size() && s[i] == '\\') ++nBarras, ++i;
        if (i < s.size() && s[i] == '"') {
          atual.append(nBarras / 2, '\\');
          if (nBarras % 2 == 1) {
            atual += '"';
            ++i;
          }
        } else {
          atual.append(nBarras, '\\');
        }
      } else if (s[i] == '"') {
        if (bEntreAspas && i + 1 < s.size() && s[i + 1] == '"') {
          atual += '"';
          i += 2;
        } else {
          bEntreAspas = !bEntreAspas;
          ++i;
        }
      } else {
        atual += s[i++];
      }
    }
    argumentos.push_back(std::move(atual));
  }
  return argumentos;
}

// Cria o neto que executa o programa; devolve 0 ou o errno da falha (do fork, do
// pipe ou do exec).
int Inicia(const std::string& strCaminho, const std::vector<std::string>& argumentos) {
  std::vector<char*> argv;
  for (const std::string& a : argumentos) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);

  int aPipe[2];
  if (::pipe2(aPipe, O_CLOEXEC) != 0) return errno;
  const pid_t pidFilho = ::fork();
  if (pidFilho < 0) {
    const int nErro = errno;
    ::close(aPipe[0]);
    ::close(aPipe[1]);
    return nErro;
  }
  if (pidFilho == 0) {
    // Filho: só chamadas seguras depois do fork.
    ::close(aPipe[0]);
    const pid_t pidNeto = ::fork();
    if (pidNeto == 0) {
      ::execv(strCaminho.c_str(), argv.data());
      const int nErro = errno;
      ssize_t nIgnorado = ::write(aPipe[1], &nErro, sizeof nErro);
      (void)nIgnorado;
      ::_exit(127);
    }
    if (pidNeto < 0) {
      const int nErro = errno;
      ssize_t nIgnorado = ::write(aPipe[1], &nErro, sizeof nErro);
      (void)nIgnorado;
    }
    ::_exit(0);
  }
  ::close(aPipe[1]);
  int nStatus = 0;
  while (::waitpid(pidFilho, &nStatus, 0) < 0 && errno == EINTR) {
  }
  int nErro = 0;
  ssize_t nLidos;
  while ((nLidos = ::read(aPipe[0], &nErro, sizeof nErro)) < 0 && errno == EINTR) {
  }
  ::close(aPipe[0]);
  return nLidos == static_cast<ssize_t>(sizeof nErro) ? nErro : 0;
}

// O motivo em português dos erros comuns de um exec; os demais, no texto do sistema.
CString MotivoDoErro(int nErro) {
  switch (nErro) {
    case EACCES: return "sem permissão para executar o arquivo";
    case ENOEXEC: return "o arquivo não é um programa executável";
    case ENOENT: return "o programa ou o seu interpretador não existe";
    case ENOMEM:
    case EAGAIN: return "não há recursos para criar o processo";
    default: return std::strerror(nErro);
  }
}

void MostraFalha(const CString& strModulo, const CString& strPrograma, const char* szMotivo) {
  const TQZModulo* pModulo = QZModuloPorSigla(strModulo);
  CString strTexto;
  strTexto.Format("Não foi possível executar o programa %s: %s.", strPrograma, szMotivo);
  QZMessageBoxEx(strTexto, pModulo ? CString(pModulo->szTitulo) : CString("Erro"), MB_OK | MB_ICONERROR, nullptr);
}

// O caminho do programa na pasta de instalação; vazio (depois de mostrar o motivo)
// quando o nome não é um nome de arquivo ou o programa não existe.
std::string CaminhoDoPrograma(const CString& strPrograma, const CString& strModulo) {
  if (strPrograma.IsEmpty() || strPrograma.Find('/') >= 0 || strPrograma.Find('\\') >= 0 || strPrograma == "." ||
      strPrograma == "..") {
    MostraFalha(strModulo, strPrograma, "o nome do programa não é um nome de arquivo");
    return {};
  }
  const std::string strCaminho = CaminhoNativo(QZDiretorioInstalacao() + strPrograma);
  struct stat info {};
  if (::stat(strCaminho.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
    const CString strMotivo = CString("o programa não existe em ") + strCaminho.c_str();
    MostraFalha(strModulo, strPrograma, strMotivo);
    return {};
  }
  return strCaminho;
}

}  // namespace

void CVRMSVRUtil::ExecutaProgramaTarvo(const CString& strPrograma, const CString& strModulo, const CString& strEmpresa,
                                       unsigned short nUsuario, long lSessao, const CString& strOpcoes) {
  const std::string strCaminho = CaminhoDoPrograma(strPrograma, strModulo);
  if (strCaminho.empty()) return;
  std::vector<std::string> argumentos{strCaminho, strModulo.GetString(), strEmpresa.GetString(),
                                      std::to_string(nUsuario), std::to_string(lSessao)};
  for (std::string& palavra : PalavrasDe(strOpcoes)) argumentos.push_back(std::move(palavra));

  if (const int nErro = Inicia(strCaminho, argumentos); nErro != 0)
    MostraFalha(strModulo, strPrograma, MotivoDoErro(nErro));
}

void CVRMSVRUtil::ExecutaProgramaLinhaDeComando(const CString& strPrograma, const CString& strModulo,
                                                const CString& strLinhaDeComando) {
  const std::string strCaminho = CaminhoDoPrograma(strPrograma, strModulo);
  if (strCaminho.empty()) return;
  std::vector<std::string> argumentos{strCaminho};
  for (std::string& a : ArgumentosDaLinha(strLinhaDeComando)) argumentos.push_back(std::move(a));

  if (const int nErro = Inicia(strCaminho, argumentos); nErro != 0)
    MostraFalha(strModulo, strPrograma, MotivoDoErro(nErro));
}

std::vector<std::string> CVRMSVRUtil::ArgumentosDaLinhaDeComando(const CString& strLinhaDeComando) {
  return ArgumentosDaLinha(strLinhaDeComando);
}
