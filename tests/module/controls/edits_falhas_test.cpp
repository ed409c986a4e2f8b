// Varredura de falhas dos edits de consulta: cada leitura do servidor que uma sessão de
// uso faz (inicializar, digitar um código e sair, abrir a lista e fechá-la, preencher
// uma linha, finalizar) falha na chamada N = 1, 2, … até a sessão não chegar mais à
// N-ésima. A cada vez: no máximo uma linha no log de erros, no lugar da falha, e a
// caixa de erro com o local onde o edit a mostra; nada fica alocado; e, sem a falha,
// um edit novo volta a achar o código.
#include <memory>
#include <string>
#include <vector>

#include "edit_consulta_teste.h"
#include "vrmwnd/controls/CAutorizacaoCompraEdit.h"
#include "vrmwnd/controls/CCondicaoPagamentoEdit.h"
#include "vrmwnd/platform/useragent.h"
#include "vrmwnd/suite/ganchos_teste.h"

namespace {

// Uma sessão com um edit novo numa instalação nova: o que a pessoa faz e o que ela vê.
template <class TEdit>
class CSessao : public CEditConsultaTeste<TEdit> {
 public:
  void TestBody() override {}
  // A sessão inteira; devolve a chave achada ao digitar o código.
  virtual unsigned long Usa() = 0;
  std::vector<std::string> Linhas() const { return this->m_instalacao.LinhasDeErro(); }
  // Os textos das caixas de erro ("Erro") mostradas.
  std::vector<std::string> CaixasDeErro() const {
    std::vector<std::string> textos;
    for (const TCaixaMostrada& c : this->m_caixas.Caixas())
      if (c.strTitulo == "Erro") textos.push_back(c.strTexto);
    return textos;
  }
  void Termina() { this->TearDown(); }

 protected:
  // F2 no edit; a lista que abrir é fechada com Esc (uma lista que a falha não deixou
  // abrir não deixa roteiro pendente).
  void AbreEFechaALista() {
    struct CFechaComEsc : IUserAgent {
      HWND hUltimo = nullptr;
      bool Act(HWND hModal) override {
        if (hModal == nullptr || hModal == hUltimo) return false;
        hUltimo = hModal;
        InputKey(VK_ESCAPE);
        return true;
      }
    } agente;
    IUserAgent* pAnterior = SetUserAgent(&agente);
    this->m_usuario.Clica(this->m_edit);
    InputKey(VK_F2);
    CUsuarioRoteirizado::ProcessaFila();
    SetUserAgent(pAnterior);
  }
};

class CSessaoAutorizacao : public CSessao<CAutorizacaoCompraEdit> {
 public:
  ~CSessaoAutorizacao() override {
    if (m_pIAC) m_pIAC->Release();
  }
  unsigned long Usa() override {
    EscreveMensagens("QZCMMens.txt", "1607    Autorização de compra não encontrada.\n");
    CriaJanelas();
    if (QZCriaAutorizacaoCompra(&m_pIAC) != S_OK) return 0;
    BSTR bstr = SysAllocString(Utf8ToUtf16(m_empresa.Nome()).c_str());
    const HRESULT hr = m_pIAC->Inicializa(bstr, 4, 99);
    SysFreeString(bstr);
    if (hr != S_OK) return 0;
    m_edit.SetAC(m_pIAC);
    if (m_edit.Inicializa(m_empresa.Nome(), 4, 99) != S_OK) return 0;
    DigitaESai("AC-001");
    const unsigned long lChave = m_edit.GetChave();
    AbreEFechaALista();
    CString aColunas[2];
    CAutorizacaoCompraEdit::F4(reinterpret_cast<long>(&m_edit), CONSULTA_PREENCHE_LINHA, 4097, 0, aColunas);
    return lChave;
  }
  unsigned long Esperada() const { return 4097; }

 private:
  IQZCM_AutorizacaoCompra* m_pIAC = nullptr;
};

class CSessaoCondicao : public CSessao<CCondicaoPagamentoEdit> {
 public:
  unsigned long Usa() override {
    EscreveMensagens("QZDFMens.txt",
                     "5508    Condição não encontrada.\n5590    Módulo não pode usar.\n5591    Condição vencida.\n");
    CriaJanelas();
    if (m_edit.Inicializa(m_empresa.Nome(), 4, 99) != S_OK) return 0;
    DigitaESai("30");
    unsigned short iChave = 0;
    m_edit.GetPonteiro(iChave);
    AbreEFechaALista();
    CString aColunas[4];
    CCondicaoPagamentoEdit::F4(reinterpret_cast<long>(&m_edit), CONSULTA_PREENCHE_LINHA, 2, 0, aColunas);
    return iChave;
  }
  unsigned long Esperada() const { return 2; }
};

std::string Junta(const std::vector<std::string>& textos) {
  std::string r;
  for (const std::string& t : textos) r += "\n  " + t;
  return r;
}

// Faz cada leitura falhar em cada uma das suas chamadas numa sessão nova.
template <class TSessao>
void Varre(const std::vector<const char*>& leituras, const char* szClasse) {
  constexpr HRESULT kFalha = static_cast<HRESULT>(0x8004A2F1);
  for (const char* szLeitura : leituras) {
    int nFalhas = 0;
    for (int nChamada = 1; nChamada <= 30; ++nChamada) {
      SCOPED_TRACE(testing::Message() << szLeitura << " falha na chamada " << nChamada);
      const SIZE_T nBlocosAntes = CoTaskMemLiveBlocks();
      bool bChegou = false;
      {
        auto pSessao = std::make_unique<TSessao>();
        vrmsuite::ProgramaFalhaLeitura(szLeitura, kFalha, nChamada);
        pSessao->Usa();
        bChegou = vrmsuite::ChamadasDaLeitura(szLeitura) >= nChamada;
        vrmsuite::LimpaFalhasLeitura();
        const std::vector<std::string> linhas = pSessao->Linhas();
        const std::vector<std::string> erros = pSessao->CaixasDeErro();
        if (bChegou) {
          ++nFalhas;
          // A falha é dita: no máximo uma linha no log, no lugar onde aconteceu, e a
          // caixa de erro com o local quando o edit a mostra; nunca em silêncio.
          EXPECT_LE(linhas.size(), 1u) << Junta(linhas);
          EXPECT_GE(linhas.size() + erros.size(), 1u) << "a falha passou em silêncio";
          for (const std::string& strLinha : linhas)
            EXPECT_TRUE(strLinha.find(szClasse) != std::string::npos ||
                        strLinha.find("CQZComPtr<") != std::string::npos)
                << strLinha;
          for (const std::string& strCaixa : erros) EXPECT_NE(strCaixa.find("Local: "), std::string::npos) << strCaixa;
        } else {
          EXPECT_TRUE(linhas.empty() && erros.empty()) << "sem falha, nada a dizer";
        }
        pSessao->Termina();
      }
      EXPECT_EQ(CoTaskMemLiveBlocks(), nBlocosAntes) << "nada fica alocado";
      if (!bChegou) break;
      // A recuperação: sem a falha, uma sessão nova acha o código.
      auto pDepois = std::make_unique<TSessao>();
      EXPECT_EQ(pDepois->Usa(), pDepois->Esperada());
      pDepois->Termina();
    }
    EXPECT_GT(nFalhas, 0) << szLeitura << " nunca foi chamada: a sessão não a cobre";
  }
}

}  // namespace

TEST(EditsFalhasTest, AutorizacaoDeCompraEmCadaChamadaDeCadaLeitura) {
  Varre<CSessaoAutorizacao>({"IQZCM_AutorizacaoCompra::BuscaPonteiros", "IQZCM_AutorizacaoCompra::LeLight"},
                            "CAutorizacaoCompraEdit::");
}

TEST(EditsFalhasTest, CondicaoDePagamentoEmCadaChamadaDeCadaLeitura) {
  Varre<CSessaoCondicao>(
      {"CConexaoCondicaoPagamento::Conecta", "IQZDF_Materiais::LeCondicaoPagamentoCodigo",
       "IQZDF_Materiais::BuscaCondicoesPagamento", "IQZDF_Materiais::LeCondicaoPagamento", "IQZDF_Periodo::Cria",
       "IQZDF_Periodo::Inicializa", "IQZDF_Periodo::BuscaPonteiros", "IQZDF_Periodo::LeVarios"},
      "CCondicaoPagamentoEdit::");
}
