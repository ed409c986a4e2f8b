// compras orcamento: o diálogo do orçado e realizado com a pessoa da linha de comando
// digitando o filtro (filial, classificação, gerencial, meses) e consultando; a saída
// é a grade como o diálogo a mostra, com a linha de totais, e os avisos que ele deu.
#include <cstdio>
#include <cstring>
#include <string>

#include "comandos.h"
#include "vrmwnd/platform/scripted_user.h"
#include "vrmwnd/vrmwnd.h"

namespace compras {
namespace {

using D = CDlgControleOrcamentario;

// Os avisos do diálogo vão para a saída, respondidos com OK.
class CAvisosNaSaida : public IMessageBoxPresenter {
 public:
  CAvisosNaSaida() : m_pAnterior(SetMessageBoxPresenter(this)) {}
  ~CAvisosNaSaida() override { SetMessageBoxPresenter(m_pAnterior); }
  CAvisosNaSaida(const CAvisosNaSaida&) = delete;
  CAvisosNaSaida& operator=(const CAvisosNaSaida&) = delete;
  int Present(HWND, const char* szTexto, const char* szTitulo, UINT) override {
    std::printf("Aviso (%s): %s\n", szTitulo, szTexto);
    ++m_nAvisos;
    return IDOK;
  }
  int m_nAvisos = 0;

 private:
  IMessageBoxPresenter* m_pAnterior;
};

// "MM/AAAA" -> o primeiro (ou o último) dia do mês como a pessoa o digita, "01012018".
bool DiaDoMes(const char* sz, bool bUltimo, std::string& strDigitos) {
  int nMes = 0, nAno = 0;
  char cResto = 0;
  if (std::sscanf(sz, "%d/%d%c", &nMes, &nAno, &cResto) != 2 || QZMA(nMes, nAno) == 0 || nAno < 1000) return false;
  char szDigitos[16];
  std::snprintf(szDigitos, sizeof szDigitos, "%02d%02d%04d", bUltimo ? QZUltimoDiaDoMes(nMes, nAno) : 1, nMes, nAno);
  strDigitos = szDigitos;
  return true;
}

// Clica no campo, apaga o que ele tem e digita.
void Substitui(Script& roteiro, int nId, const std::string& strTexto) {
  roteiro.Type(nId, "");
  for (int i = 0; i < 40; ++i) roteiro.Key(VK_BACK);
  roteiro.Write(strTexto.c_str());
}

std::string Texto(HWND h, int nId) {
  CString s;
  CWnd::FromHandle(nId ? GetDlgItem(h, nId) : h)->GetWindowText(s);
  return s.GetString();
}

// O filtro mostrado e a grade, uma linha por linha da grade, células separadas por " | ".
std::string Tela(HWND h) {
  std::string s = Texto(h, 0) + "\n";
  s += "Filial: " + Texto(h, D::IDC_FILIAL) + " " + Texto(h, D::IDC_DESC_FILIAL) + "\n";
  s += "Contábil: " + Texto(h, D::IDC_CLASSIFICACAO) + " " + Texto(h, D::IDC_DESC_CLASSIFICACAO) + "\n";
  s += "Gerencial: " + Texto(h, D::IDC_GERENCIAL) + " " + Texto(h, D::IDC_DESC_GERENCIAL) + "\n";
  const bool bMensal = SendMessage(GetDlgItem(h, D::IDC_MENSAL), BM_GETCHECK, 0, 0) == BST_CHECKED;
  s += std::string("Período: ") + (bMensal ? "Mensal" : "Orçamentário") + ", " + Texto(h, D::IDC_DATA_INICIAL) + " a " +
       Texto(h, D::IDC_DATA_FINAL) + "\n";
  auto* pGrade = dynamic_cast<CGXGridCore*>(CWnd::FromHandlePermanent(GetDlgItem(h, D::IDC_GRADE)));
  if (pGrade == nullptr) return s;
  for (ROWCOL r = 0; r <= pGrade->GetRowCount(); ++r) {
    std::string strLinha;
    if (r == 1 && pGrade->HasTotalsLine()) strLinha = std::string(pGrade->GetValueRowCol(r, 0).GetString()) + ": ";
    for (ROWCOL c = 1, n = 0; c <= pGrade->GetColCount(); ++c) {
      if (pGrade->IsColHidden(c)) continue;
      strLinha += (n++ ? " | " : "") + std::string(pGrade->GetValueRowCol(r, c).GetString());
    }
    s += strLinha + "\n";
  }
  return s;
}

}  // namespace

int ComandoOrcadoRealizado(int argc, char** argv) {
  const TComando& eu = Comando("orcamento");
  const char* szEmpresa = kEmpresaPadrao;
  std::string strFilial, strClassificacao, strGerencial, strDe, strAte;
  int nRadio = 0;
  for (int i = 0; i < argc; ++i) {
    const bool bTemValor = i + 1 < argc;
    if (std::strcmp(argv[i], "--filial") == 0 && bTemValor) {
      strFilial = argv[++i];
    } else if (std::strcmp(argv[i], "--classificacao") == 0 && bTemValor) {
      strClassificacao = argv[++i];
    } else if (std::strcmp(argv[i], "--gerencial") == 0 && bTemValor) {
      strGerencial = argv[++i];
    } else if (std::strcmp(argv[i], "--de") == 0 && bTemValor) {
      if (!DiaDoMes(argv[++i], false, strDe)) return UsoErrado(eu, "o mês inicial é MM/AAAA");
    } else if (std::strcmp(argv[i], "--ate") == 0 && bTemValor) {
      if (!DiaDoMes(argv[++i], true, strAte)) return UsoErrado(eu, "o mês final é MM/AAAA");
    } else if (std::strcmp(argv[i], "--mensal") == 0) {
      nRadio = D::IDC_MENSAL;
    } else if (std::strcmp(argv[i], "--orcamentario") == 0) {
      nRadio = D::IDC_ORCAMENTARIO;
    } else if (std::strcmp(argv[i], "--empresa") == 0 && bTemValor) {
      szEmpresa = argv[++i];
    } else {
      return UsoErrado(eu, "argumento desconhecido");
    }
  }
  if (!PreparaAmbiente(szEmpresa)) return 1;
  if (CQZInicializador().Inicializa(szEmpresa, 1, 1) != S_OK) {
    std::fprintf(stderr, "compras orcamento: a empresa %s não existe\n", szEmpresa);
    return 1;
  }
  CAvisosNaSaida avisos;
  CPessoaDaLinha pessoa;
  std::string strTela;
  Script& roteiro = pessoa.WhenOpened("Consulta de Valores Orçados e Realizados");
  if (!strFilial.empty()) Substitui(roteiro, D::IDC_FILIAL, strFilial);
  if (!strClassificacao.empty()) Substitui(roteiro, D::IDC_CLASSIFICACAO, strClassificacao);
  if (!strGerencial.empty()) Substitui(roteiro, D::IDC_GERENCIAL, strGerencial);
  if (nRadio == D::IDC_MENSAL) roteiro.Click(nRadio);
  if (!strDe.empty()) Substitui(roteiro, D::IDC_DATA_INICIAL, strDe);
  if (!strAte.empty() && nRadio != D::IDC_ORCAMENTARIO) Substitui(roteiro, D::IDC_DATA_FINAL, strAte);
  if (nRadio == D::IDC_ORCAMENTARIO) roteiro.Click(nRadio);
  roteiro.Click(D::IDC_CONSULTAR).Check([&](HWND h) {
    auto* pGrade = dynamic_cast<CGXGridCore*>(CWnd::FromHandlePermanent(GetDlgItem(h, D::IDC_GRADE)));
    if (pGrade != nullptr && !pGrade->HasTotalsLine()) SendMessage(h, WM_COMMAND, D::ID_TOTALIZAR, 0);
    strTela = Tela(h);
  });
  roteiro.Click(IDCANCEL);
  D dlg;
  dlg.DoModal();
  std::printf("%s", strTela.c_str());
  return avisos.m_nAvisos == 0 ? 0 : 1;
}

}  // namespace compras
