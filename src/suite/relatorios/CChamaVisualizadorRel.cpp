// O visualizador de relatórios: lê o arquivo de texto do relatório e o mostra num
// diálogo modal com uma caixa de texto de várias linhas, só de leitura, e "Fechar".
#include "vrmwnd/suite/relatorios/CChamaVisualizadorRel.h"

#include <fstream>
#include <sstream>
#include <string>

#include "vrmwnd/suite/edits/CQZDialog.h"
#include "vrmwnd/suite/relatorios/relatorios.h"

namespace {

constexpr HRESULT kArquivoNaoEncontrado = static_cast<HRESULT>(0x80070002u);

// As quebras de linha do arquivo viram as da caixa de texto ("\r\n").
std::string ParaCaixaDeTexto(const std::string& strArquivo) {
  std::string str;
  str.reserve(strArquivo.size() + strArquivo.size() / 16);
  for (char c : strArquivo) {
    if (c == '\r') continue;
    if (c == '\n') str += '\r';
    str += c;
  }
  return str;
}

class CDlgVisualizador : public CQZDialog {
 public:
  CDlgVisualizador(const std::string& strTitulo, const std::string& strTexto)
      : m_strTitulo(strTitulo), m_strTexto(strTexto) {
    m_modelo =
        DLGTEMPLATEDESC{m_strTitulo.c_str(),
                        0,
                        0,
                        400,
                        250,
                        WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
                        {{CChamaVisualizadorRel::IDC_TEXTO_RELATORIO, "EDIT", "", 7, 7, 386, 214,
                          WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_READONLY},
                         {IDCANCEL, "BUTTON", "Fechar", 343, 229, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON}}};
    InitModalIndirect(&m_modelo);
  }

 protected:
  BOOL OnInitDialog() override {
    CQZDialog::OnInitDialog();
    SetDlgItemText(CChamaVisualizadorRel::IDC_TEXTO_RELATORIO, m_strTexto.c_str());
    return TRUE;
  }

 private:
  std::string m_strTitulo;
  std::string m_strTexto;
  DLGTEMPLATEDESC m_modelo;
};

}  // namespace

HRESULT CChamaVisualizadorRel::Executa() {
  const char* szSaida = QZNomeSaidaRelatorio(m_nAcao, true);
  if (*szSaida == 0) return E_INVALIDARG;
  std::ifstream arquivo(m_strRelatorio.GetString(), std::ios::binary);
  if (m_strRelatorio.IsEmpty() || !arquivo) return kArquivoNaoEncontrado;
  std::ostringstream texto;
  texto << arquivo.rdbuf();
  CDlgVisualizador dlg(std::string(kTitulo) + " - " + szSaida, ParaCaixaDeTexto(texto.str()));
  dlg.DoModal();
  return S_OK;
}
