// compras deducoes: o diálogo das deduções da base de um imposto retido, com a pessoa
// representada pelo usuário roteirizado, que adiciona e remove deduções como a linha
// de comando diz; as mensagens das regras vão para a saída, e no fim a lista que o
// diálogo devolveu.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "comandos.h"
#include "vrmwnd/vrmwnd.h"

namespace compras {
namespace {

// Uma ação da pessoa: adicionar (tipo, descrição, valor) ou remover a linha n.
struct TAcao {
  bool bRemove = false;
  long nLinha = 0;
  long nTipo = 0;
  std::string strDescricao, strValor;
};

// "TIPO|DESCRIÇÃO|VALOR", o tipo de 0 a 3 e o valor como se digita ("10%" é percentual).
bool LeAdicao(const char* sz, TAcao& acao) {
  const std::string s = sz;
  const std::size_t a = s.find('|'), b = a == std::string::npos ? a : s.find('|', a + 1);
  if (b == std::string::npos || !LeInteiro(s.substr(0, a).c_str(), 0, 3, acao.nTipo)) return false;
  acao.strDescricao = s.substr(a + 1, b - a - 1);
  // Os pontos de milhar não se digitam: o edit os escreve ao sair do campo.
  for (char c : s.substr(b + 1))
    if (c != '.') acao.strValor += c;
  return !acao.strValor.empty() && acao.strValor.find_first_not_of("0123456789,%") == std::string::npos;
}

bool LeValorBrasileiro(const char* sz, CY& cy) {
  const std::u16string largo = Utf8ToUtf16(sz);
  return SUCCEEDED(VarCyFromStr(largo.c_str(), LCID_PORTUGUESE_BRAZIL, LOCALE_NOUSEROVERRIDE, &cy)) && cy.int64 > 0;
}

// O tipo só se escolhe no INSS (nos outros impostos o combo fica desabilitado).
void Roteiriza(Script& roteiro, const std::vector<TAcao>& acoes, bool bEscolheTipo) {
  for (const TAcao& a : acoes) {
    if (a.bRemove) {
      roteiro.Click(CDlgDeducao::IDC_GRADE).Key(VK_HOME);
      for (long i = 1; i < a.nLinha; ++i) roteiro.Key(VK_DOWN);
      roteiro.Click(CDlgDeducao::IDC_REMOVER);
      continue;
    }
    if (bEscolheTipo)
      roteiro.Choose(CDlgDeducao::IDC_TIPO, CDlgDeducao::GetTextoTipo(static_cast<unsigned char>(a.nTipo)));
    roteiro.Click(CDlgDeducao::IDC_DESCRICAO).Key(VK_HOME, {VK_SHIFT}).Write(a.strDescricao.c_str());
    roteiro.Click(CDlgDeducao::IDC_VALOR).Key(VK_HOME, {VK_SHIFT}).Write(a.strValor.c_str());
    roteiro.Click(CDlgDeducao::IDC_ADICIONAR);
  }
}

}  // namespace

CString DescreveDeducoes(const T_Lista<TCMImpostoDeducao>& deducoes, const CY& cyBase) {
  CString strTexto;
  strTexto.Format("Base: %s\n", CVRMSVRUtil::ToStringV4(cyBase, 2).GetString());
  if (deducoes.GetSize() == 0) strTexto += "Nenhuma dedução.\n";
  CQZCurrencyEx soma;
  for (INT_PTR i = 0; i < deducoes.GetSize(); ++i) {
    const TCMImpostoDeducao& d = deducoes[i];
    const CY cyEfetivo = CDlgDeducao::GetValorEfetivo(d.GetValorDeducao(), cyBase);
    soma += cyEfetivo;
    CString strValor = CVRMSVRUtil::ToStringV4(d.GetValorDeducao(), 2);
    if (d.GetValorDeducao().int64 < 0)
      strValor.Format("%s%%", CVRMSVRUtil::ToStringV4(CyDeBruto(-d.GetValorDeducao().int64), 2).GetString());
    strTexto.AppendFormat("%d. %s | %s | %s = %s\n", static_cast<int>(i + 1),
                          d.GetTipo() ? CDlgDeducao::GetTextoTipo(d.GetTipo()).GetString() : "(sem tipo)",
                          d.GetDescricao().GetString(), strValor.GetString(),
                          CVRMSVRUtil::ToStringV4(cyEfetivo, 2).GetString());
  }
  strTexto.AppendFormat("Total deduzido: %s", CVRMSVRUtil::ToStringV4(soma.GetCY(), 2).GetString());
  return strTexto;
}

int ComandoDeducoes(int argc, char** argv) {
  const TComando& eu = Comando("deducoes");
  long nImposto = 1;
  CY cyBase{};
  bool bBase = false, bCancela = false;
  std::vector<TAcao> acoes;
  for (int i = 0; i < argc; ++i) {
    if (std::strcmp(argv[i], "--imposto") == 0 && i + 1 < argc) {
      if (!LeInteiro(argv[++i], 1, 6, nImposto))
        return UsoErrado(eu, "o imposto é um tipo de 1 a 6 (1 IRRF, 5 ISS, 6 INSS)");
    } else if (std::strcmp(argv[i], "--base") == 0 && i + 1 < argc) {
      if (!(bBase = LeValorBrasileiro(argv[++i], cyBase)))
        return UsoErrado(eu, "a base é um valor positivo, por exemplo 10.000,00");
    } else if (std::strcmp(argv[i], "--adiciona") == 0 && i + 1 < argc) {
      TAcao acao;
      if (!LeAdicao(argv[++i], acao))
        return UsoErrado(eu, "--adiciona pede TIPO|DESCRIÇÃO|VALOR (tipo 0 a 3; valor 150,00 ou 10%)");
      acoes.push_back(acao);
    } else if (std::strcmp(argv[i], "--remove") == 0 && i + 1 < argc) {
      TAcao acao;
      acao.bRemove = true;
      if (!LeInteiro(argv[++i], 1, 9999, acao.nLinha)) return UsoErrado(eu, "--remove pede a linha (1 = primeira)");
      acoes.push_back(acao);
    } else if (std::strcmp(argv[i], "--cancela") == 0) {
      bCancela = true;
    } else {
      return UsoErrado(eu, "argumento desconhecido");
    }
  }
  if (!bBase) return UsoErrado(eu, "diga a base do imposto (--base 10.000,00)");
  if (GaranteInstalacao(false).empty()) return 1;
  CCaixasNaSaida caixas;
  CPessoaDaLinha pessoa;
  CDlgDeducao dlg(nullptr);
  dlg.SetBCImposto(cyBase);
  Script& roteiro = pessoa.WhenOpened(CDlgDeducao::GetTitulo(static_cast<unsigned char>(nImposto)));
  Roteiriza(roteiro, acoes, nImposto == CM_IMPOSTO_INSS);
  roteiro.Click(bCancela ? IDCANCEL : IDOK);
  if (dlg.DoModal(static_cast<unsigned char>(nImposto)) != IDOK) {
    std::printf("Cancelado.\n");
    return 1;
  }
  std::printf("%s\n", DescreveDeducoes(dlg.GetDeducao(), cyBase).GetString());
  return 0;
}

}  // namespace compras
