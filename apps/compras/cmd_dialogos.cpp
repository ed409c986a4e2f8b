// compras chave | cotacao-web | progresso: os diálogos do módulo abertos como numa
// tela, com a pessoa representada pelo usuário roteirizado, que faz o que a linha de
// comando diz (digita a chave, responde à pergunta, escolhe o modelo), e a saída do
// que o diálogo devolveu. As funções Dialogo* abrem o mesmo diálogo com o agente que
// estiver instalado (o de uma tela de verdade, no terminal).
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "comandos.h"
#include "vrmwnd/platform/scripted_user.h"
#include "vrmwnd/vrmwnd.h"

namespace compras {
namespace {

// As caixas de mensagem vão para a saída e recebem a resposta combinada.
class CCaixasRespondidas : public IMessageBoxPresenter {
 public:
  explicit CCaixasRespondidas(int nResposta) : m_nResposta(nResposta), m_pAnterior(SetMessageBoxPresenter(this)) {}
  ~CCaixasRespondidas() override { SetMessageBoxPresenter(m_pAnterior); }
  CCaixasRespondidas(const CCaixasRespondidas&) = delete;
  CCaixasRespondidas& operator=(const CCaixasRespondidas&) = delete;
  int Present(HWND, const char* szTexto, const char* szTitulo, UINT) override {
    std::printf("Pergunta (%s): %s %s\n", szTitulo, szTexto, m_nResposta == IDYES ? "Sim" : "Não");
    return m_nResposta;
  }

 private:
  int m_nResposta;
  IMessageBoxPresenter* m_pAnterior;
};

}  // namespace

bool LeResposta(const char* sz, int& nResposta) {
  if (std::strcmp(sz, "sim") == 0) {
    nResposta = IDYES;
  } else if (std::strcmp(sz, "nao") == 0 || std::strcmp(sz, "não") == 0) {
    nResposta = IDNO;
  } else {
    return false;
  }
  return true;
}

bool LeInteiro(const char* sz, long nMinimo, long nMaximo, long& n) {
  char* pFim = nullptr;
  n = std::strtol(sz, &pFim, 10);
  return *sz != '\0' && *pFim == '\0' && n >= nMinimo && n <= nMaximo;
}

int DialogoChave(int nForma, int nMovimento) {
  CDlgChave dlg(static_cast<REG_QZDMC::MOVIMENTOS_DMC>(nMovimento), nullptr);
  dlg.SetTipo(nForma);
  const INT_PTR nResultado = dlg.DoModal();
  if (nResultado != IDOK) {
    std::printf("%s\n", nResultado == IDCANCEL ? "Cancelado." : "A chave não foi confirmada (OK desabilitado).");
    return 1;
  }
  CQZQuemGerou chave(dlg.GetQZDMC());
  std::printf("Chave: %llu\nNúmero: %lu\nMovimento: %d\nPeríodo: %lu (tipo %d)\nDescrição: %s\n",
              static_cast<unsigned long long>(dlg.GetQZDMC().Valor()), static_cast<unsigned long>(chave.GetNumero()),
              chave.GetOrigem(), static_cast<unsigned long>(chave.GetData()), chave.GetTipoChave(),
              chave.GetDescricao().GetString());
  return 0;
}

int ComandoChave(int argc, char** argv) {
  const TComando& eu = Comando("chave");
  long nForma = 0, nMovimento = 0;
  const char* szDigita = nullptr;
  bool bCancela = false;
  for (int i = 0; i < argc; ++i) {
    if (std::strcmp(argv[i], "--forma") == 0 && i + 1 < argc) {
      if (!LeInteiro(argv[++i], 0, 1, nForma)) return UsoErrado(eu, "a forma é 0 (mês/ano e número) ou 1 (só número)");
    } else if (std::strcmp(argv[i], "--movimento") == 0 && i + 1 < argc) {
      if (!LeInteiro(argv[++i], 0, 4095, nMovimento)) return UsoErrado(eu, "o movimento é um número de 0 a 4095");
    } else if (std::strcmp(argv[i], "--digita") == 0 && i + 1 < argc) {
      szDigita = argv[++i];
    } else if (std::strcmp(argv[i], "--cancela") == 0) {
      bCancela = true;
    } else {
      return UsoErrado(eu, "argumento desconhecido");
    }
  }
  if (szDigita == nullptr) return UsoErrado(eu, "diga o que digitar (--digita)");
  CPessoaDaLinha pessoa;
  pessoa.WhenOpened("Compras - Chave").Write(szDigita).Key(bCancela ? VK_ESCAPE : VK_RETURN);
  return DialogoChave(static_cast<int>(nForma), static_cast<int>(nMovimento));
}

bool IncluiCotacaoWeb(const char* szEmpresa, unsigned short nUsuario, LONG lSessao, CString& strTexto) {
  CTrataDadosCPWnd tratador(nullptr);
  TLigacaoTratador ligacao(tratador, szEmpresa, nUsuario, lSessao);
  if (ligacao.Resultado() != S_OK) {
    strTexto.Format("As regras da cotação não abriram a empresa %s.", szEmpresa);
    return false;
  }
  try {
    TCMEnvioCotacaoWeb envio;
    tratador.IncluiCotacao(1, envio);
    strTexto.Format("Enviar pela web: %s\nModelo: %s", envio.bEnviar ? "sim" : "não",
                    envio.strModelo.IsEmpty() ? "(nenhum)" : envio.strModelo.GetString());
    return true;
  } catch (const CQZExceptionEx& e) {
    strTexto.Format("A configuração do alerta não pôde ser lida (0X%08lX).",
                    static_cast<unsigned long>(static_cast<DWORD>(e.GetResultado())));
    return false;
  }
}

int DialogoCotacaoWeb(const char* szEmpresa) {
  CQZInicializador inicializador;
  if (inicializador.Inicializa(szEmpresa, 1, 1) != S_OK) return 1;
  CString strTexto;
  const bool bCerto = IncluiCotacaoWeb(szEmpresa, 1, 1, strTexto);
  std::fprintf(bCerto ? stdout : stderr, "%s%s\n", bCerto ? "" : "compras cotacao-web: ", strTexto.GetString());
  return bCerto ? 0 : 1;
}

int ComandoCotacaoWeb(int argc, char** argv) {
  const TComando& eu = Comando("cotacao-web");
  const char* szEmpresa = kEmpresaPadrao;
  const char* szModelo = nullptr;
  int nResposta = 0;
  bool bCancela = false;
  for (int i = 0; i < argc; ++i) {
    if (std::strcmp(argv[i], "--responde") == 0 && i + 1 < argc) {
      if (!LeResposta(argv[++i], nResposta)) return UsoErrado(eu, "a resposta é sim ou nao");
    } else if (std::strcmp(argv[i], "--modelo") == 0 && i + 1 < argc) {
      szModelo = argv[++i];
    } else if (std::strcmp(argv[i], "--cancela") == 0) {
      bCancela = true;
    } else if (std::strcmp(argv[i], "--empresa") == 0 && i + 1 < argc) {
      szEmpresa = argv[++i];
    } else {
      return UsoErrado(eu, "argumento desconhecido");
    }
  }
  if (nResposta == 0) return UsoErrado(eu, "diga a resposta à pergunta (--responde sim|nao)");
  if (!PreparaAmbiente(szEmpresa)) return 1;
  CCaixasRespondidas caixas(nResposta);
  CPessoaDaLinha pessoa;
  Script& roteiro = pessoa.WhenOpened("Cotação Web");
  if (szModelo != nullptr) roteiro.Choose(CDlgCotacaoWeb::IDC_MODELO, szModelo);
  roteiro.Key(bCancela ? VK_ESCAPE : VK_RETURN);
  return DialogoCotacaoWeb(szEmpresa);
}

int DialogoProgresso(int nPassos, int nPasso) {
  CWnd janela;
  janela.CreateEx(0, nullptr, "Compras", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 640, 480), nullptr, 0);
  int nSaida = 1;
  {
    CCMProgressoDlg dlg;
    if (dlg.Create(&janela)) {
      dlg.ShowWindow(SW_SHOW);
      dlg.SetStep(nPasso);
      std::printf("Janela principal habilitada: %s\n", janela.IsWindowEnabled() ? "sim" : "não");
      for (int i = 1; i <= nPassos; ++i) {
        CString strSituacao;
        strSituacao.Format("Passo %d de %d", i, nPassos);
        dlg.SetStatus(strSituacao);
        dlg.StepIt();
        CString strPercentual;
        dlg.GetDlgItemText(CCMProgressoDlg::IDC_PERCENTUAL, strPercentual);
        std::printf("%s: %s\n", strSituacao.GetString(), strPercentual.GetString());
      }
      dlg.DestroyWindow();
      nSaida = 0;
    }
  }
  std::printf("Janela principal habilitada: %s\n", janela.IsWindowEnabled() ? "sim" : "não");
  janela.DestroyWindow();
  return nSaida;
}

int ComandoProgresso(int argc, char** argv) {
  const TComando& eu = Comando("progresso");
  long nPassos = 10, nPasso = 10;
  for (int i = 0; i < argc; ++i) {
    if (std::strcmp(argv[i], "--passos") == 0 && i + 1 < argc) {
      if (!LeInteiro(argv[++i], 0, 1000, nPassos)) return UsoErrado(eu, "os passos são de 0 a 1000");
    } else if (std::strcmp(argv[i], "--passo") == 0 && i + 1 < argc) {
      if (!LeInteiro(argv[++i], 1, 100, nPasso)) return UsoErrado(eu, "o passo é de 1 a 100");
    } else {
      return UsoErrado(eu, "argumento desconhecido");
    }
  }
  return DialogoProgresso(static_cast<int>(nPassos), static_cast<int>(nPasso));
}

}  // namespace compras
