// compras titulos: o registro de entrada das notas comerciais dadas, os títulos das
// suas retenções (um por imposto e parcela) no diálogo dos títulos, com a pessoa
// representada pelo usuário roteirizado que completa cada título como a linha de
// comando diz; as mensagens vão para a saída e, depois do OK, os títulos e as linhas.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "comandos.h"
#include "vrmwnd/vrmwnd.h"

namespace compras {
namespace {

constexpr char kRateioGerencial[] = "Rateio Gerencial";

// "FILIAL:CLASSIFICACAO:VALOR[:gerencial]" como a pessoa digita: 1:2.1.07.001:150,00;
// com ":gerencial", F7 na classificação e o rateio gerencial sugerido aceito com OK.
struct TLinhaDigitada {
  std::string strFilial, strClassificacao, strValor;
  bool bGerencial = false;
};

// O que a pessoa faz num título: os campos dados e, com linhas, as linhas no lugar
// das que o título tinha.
struct TAcaoTitulo {
  long nTitulo = 0;
  std::string strReceita, strCedente, strTipoDocumento, strVencimento, strHistorico;
  std::vector<TLinhaDigitada> linhas;
};

bool LeLinha(const char* sz, TLinhaDigitada& linha) {
  const std::string s = sz;
  const std::size_t a = s.find(':'), b = a == std::string::npos ? a : s.find(':', a + 1);
  if (b == std::string::npos) return false;
  linha.strFilial = s.substr(0, a);
  linha.strClassificacao = s.substr(a + 1, b - a - 1);
  std::string strValor = s.substr(b + 1);
  constexpr char kGerencial[] = ":gerencial";
  const std::size_t nSufixo = sizeof kGerencial - 1;
  if (strValor.size() > nSufixo && strValor.compare(strValor.size() - nSufixo, nSufixo, kGerencial) == 0) {
    linha.bGerencial = true;
    strValor.resize(strValor.size() - nSufixo);
  }
  for (char c : strValor)
    if (c != '.') linha.strValor += c;
  return !linha.strFilial.empty() && !linha.strClassificacao.empty() && !linha.strValor.empty() &&
         linha.strValor.find_first_not_of("0123456789,") == std::string::npos;
}

// A data só com os dígitos: a máscara do campo põe as barras.
bool LeData(const char* sz, std::string& strDigitos) {
  strDigitos.clear();
  for (const char* p = sz; *p; ++p)
    if (*p != '/') strDigitos += *p;
  return strDigitos.size() == 8 && strDigitos.find_first_not_of("0123456789") == std::string::npos;
}

void Preenche(Script& roteiro, int nId, const std::string& strTexto) {
  if (!strTexto.empty()) roteiro.Click(nId).Key(VK_HOME, {VK_SHIFT}).Write(strTexto.c_str());
}

// Na data a máscara não troca a seleção: apaga-se do fim e digita-se.
void PreencheData(Script& roteiro, int nId, const std::string& strDigitos) {
  if (strDigitos.empty()) return;
  roteiro.Click(nId).Key(VK_END);
  for (int i = 0; i < 10; ++i) roteiro.Key(VK_BACK);
  roteiro.Write(strDigitos.c_str());
}

void EscolheLinha(Script& roteiro, int nGrade, long n) {
  roteiro.Click(nGrade).Key(VK_HOME);
  for (long i = 1; i < n; ++i) roteiro.Key(VK_DOWN);
}

void Roteiriza(CPessoaDaLinha& pessoa, Script& roteiro, const std::vector<TAcaoTitulo>& acoes, const CDlgTitulos& dlg) {
  for (const TAcaoTitulo& a : acoes) {
    EscolheLinha(roteiro, CDlgTitulos::IDC_GRADE_TITULOS, a.nTitulo);
    Preenche(roteiro, CDlgTitulos::IDC_CODIGO_RECEITA, a.strReceita);
    Preenche(roteiro, CDlgTitulos::IDC_CEDENTE, a.strCedente);
    Preenche(roteiro, CDlgTitulos::IDC_HISTORICO, a.strHistorico);
    Preenche(roteiro, CDlgTitulos::IDC_TIPO_DOCUMENTO, a.strTipoDocumento);
    PreencheData(roteiro, CDlgTitulos::IDC_VENCIMENTO, a.strVencimento);
    if (!a.linhas.empty()) {
      for (int i = 0; i < dlg.GetTitulo(static_cast<int>(a.nTitulo - 1)).GetQuantidadeRateio(); ++i) {
        EscolheLinha(roteiro, CDlgTitulos::IDC_GRADE_RATEIO, 1);
        roteiro.Click(CDlgTitulos::IDC_REMOVER);
      }
    }
    for (const TLinhaDigitada& l : a.linhas) {
      Preenche(roteiro, CDlgTitulos::IDC_FILIAL, l.strFilial);
      Preenche(roteiro, CDlgTitulos::IDC_CLASSIFICACAO, l.strClassificacao);
      Preenche(roteiro, CDlgTitulos::IDC_VALOR_RATEIO, l.strValor);
      if (l.bGerencial) {
        roteiro.Click(CDlgTitulos::IDC_CLASSIFICACAO).Key(CPedeContaExComGerencial::TECLA_RATEIO_GERENCIAL);
        pessoa.WhenOpened(kRateioGerencial).Click(IDOK);
      }
      roteiro.Click(CDlgTitulos::IDC_ADICIONAR);
    }
    roteiro.Click(CDlgTitulos::IDC_ALTERAR_TITULO);
  }
}

// Lê uma opção de título; false com o motivo quando o valor não serve.
bool LeOpcaoTitulo(const char* szOpcao, const char* szValor, TAcaoTitulo& acao, const char*& szMotivo) {
  const std::string strOpcao = szOpcao;
  long n = 0;
  if (strOpcao == "--receita") {
    acao.strReceita = szValor;
    szMotivo = "--receita pede o código de receita (até 4 dígitos)";
    return LeInteiro(szValor, 0, 9999, n);
  }
  if (strOpcao == "--historico") {
    acao.strHistorico = szValor;
    szMotivo = "--historico pede o número do histórico";
    return LeInteiro(szValor, 1, 65535, n);
  }
  if (strOpcao == "--cedente") return !(acao.strCedente = szValor).empty();
  if (strOpcao == "--tipo-documento") return !(acao.strTipoDocumento = szValor).empty();
  if (strOpcao == "--vencimento") {
    szMotivo = "--vencimento pede a data DD/MM/AAAA";
    return LeData(szValor, acao.strVencimento);
  }
  TLinhaDigitada linha;
  szMotivo = "--linha pede FILIAL:CLASSIFICACAO:VALOR[:gerencial] (1:2.1.07.001:150,00)";
  if (!LeLinha(szValor, linha)) return false;
  acao.linhas.push_back(linha);
  return true;
}

bool EhOpcaoTitulo(const char* sz) {
  for (const char* szOpcao : {"--receita", "--historico", "--cedente", "--tipo-documento", "--vencimento", "--linha"})
    if (std::strcmp(sz, szOpcao) == 0) return true;
  return false;
}

}  // namespace

int ComandoTitulos(int argc, char** argv) {
  const TComando& eu = Comando("titulos");
  const char* szEmpresa = kEmpresaPadrao;
  T_Lista<long> notas;
  std::vector<TAcaoTitulo> acoes;
  bool bCancela = false;
  for (int i = 0; i < argc; ++i) {
    long n = 0;
    if (std::strcmp(argv[i], "--nota") == 0 && i + 1 < argc) {
      if (!LeInteiro(argv[++i], 1, 0x7FFFFFFF, n)) return UsoErrado(eu, "--nota pede a posição de uma nota comercial");
      notas.Add(n);
    } else if (std::strcmp(argv[i], "--empresa") == 0 && i + 1 < argc) {
      szEmpresa = argv[++i];
    } else if (std::strcmp(argv[i], "--titulo") == 0 && i + 1 < argc) {
      if (!LeInteiro(argv[++i], 1, 9999, n)) return UsoErrado(eu, "--titulo pede o número do título (1 = primeiro)");
      acoes.push_back(TAcaoTitulo{});
      acoes.back().nTitulo = n;
    } else if (EhOpcaoTitulo(argv[i]) && i + 1 < argc) {
      if (acoes.empty()) return UsoErrado(eu, "diga o título (--titulo N) antes dos seus campos");
      const char* szMotivo = "valor vazio";
      if (!LeOpcaoTitulo(argv[i], argv[i + 1], acoes.back(), szMotivo)) return UsoErrado(eu, szMotivo);
      ++i;
    } else if (std::strcmp(argv[i], "--cancela") == 0) {
      bCancela = true;
    } else {
      return UsoErrado(eu, "argumento desconhecido");
    }
  }
  if (notas.GetSize() == 0) return UsoErrado(eu, "diga ao menos uma nota (--nota 18432)");
  if (!PreparaAmbiente(szEmpresa)) return 1;
  CCaixasNaSaida caixas;
  CDlgTitulos dlg(nullptr, nullptr);
  TCMRERegistroEntrada registro;
  CString strErro;
  if (!PreparaTitulos(szEmpresa, notas, dlg, registro, strErro)) {
    std::fprintf(stderr, "compras titulos: %s\n", strErro.GetString());
    return 1;
  }
  for (const TAcaoTitulo& a : acoes)
    if (a.nTitulo > dlg.GetQuantidadeTitulo()) return UsoErrado(eu, "--titulo além dos títulos do registro");
  CPessoaDaLinha pessoa;
  Script& roteiro = pessoa.WhenOpened(CDlgTitulos::kTitulo);
  Roteiriza(pessoa, roteiro, acoes, dlg);
  roteiro.Click(bCancela ? IDCANCEL : IDOK);
  roteiro.Click(IDCANCEL);  // só quando o OK foi recusado
  const int nResultado = dlg.DoModal();
  const CString strTexto = DescreveTitulos(dlg, registro);
  dlg.OnFinaliza();
  if (nResultado != IDOK) {
    std::printf("Cancelado.\n");
    return 1;
  }
  std::printf("%s\n", strTexto.GetString());
  return 0;
}

}  // namespace compras
