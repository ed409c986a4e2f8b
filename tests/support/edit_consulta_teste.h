// Base dos testes dos edits de consulta: instalação com o arquivo de mensagens do
// teste, a empresa de amostra, o pai com o edit (100), o static companheiro (101) e
// um segundo campo (102) para onde o foco sai, a pessoa roteirizada, as caixas
// mostradas e o log de erros lido como a equipe de suporte o lê.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "ambiente_teste.h"
#include "empresa_teste.h"
#include "janelas_teste.h"
#include "vrmwnd/base/QZInstalacao.h"
#include "vrmwnd/base/QZProfiler.h"
#include "vrmwnd/platform/afxctrl.h"
#include "vrmwnd/suite/resultados.h"

template <class TEdit>
class CEditConsultaTeste : public testing::Test {
 protected:
  // Grava szArquivo ("QZCMMens.txt") com szMensagens na pasta de instalação e aponta
  // "Path" e "Mensagens" para ela.
  void PreparaInstalacao(const char* szArquivo, const char* szMensagens) {
    m_strPasta = m_home.CriaSubpasta("instalacao");
    EscreveArquivo(m_strPasta + "/" + szArquivo, szMensagens);
    QZGravaRegistroTexto(HKEY_LOCAL_MACHINE, QZChaveEmpresarial(), "Path", m_strPasta.c_str());
    QZGravaRegistroTexto(HKEY_LOCAL_MACHINE, QZChaveEmpresarial(), "Mensagens", m_strPasta.c_str());
    QZProfilerReinicia();
  }
  void CriaJanelas() {
    CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 100, 20, m_pai.m_hWnd, 100, nullptr, nullptr);
    CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 30, 200, 20, m_pai.m_hWnd, 101, nullptr, nullptr);
    CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 60, 100, 20, m_pai.m_hWnd, 102, nullptr, nullptr);
    ASSERT_TRUE(m_edit.SubclassDlgItem(100, &m_pai));
    ASSERT_TRUE(m_static.SubclassDlgItem(101, &m_pai));
    m_edit.SetStaticCompanheiro(&m_static);
  }
  void TearDown() override {
    vrmsuite::LimpaFalhasLeitura();
    m_edit.OnFinaliza();
    QZProfilerReinicia();
  }

  // A pessoa clica no edit, digita e passa para o outro campo.
  void DigitaESai(const char* szTexto) {
    m_edit.SetWindowText("");
    m_usuario.Clica(m_edit);
    m_usuario.Digita(m_edit, szTexto);
    ::SetFocus(GetDlgItem(m_pai.m_hWnd, 102));
    CUsuarioRoteirizado::ProcessaFila();
  }
  std::string Static() const {
    CString s;
    m_static.GetWindowText(s);
    return s.GetString();
  }
  std::string UltimaCaixa() const { return m_caixas.Caixas().empty() ? "" : m_caixas.Caixas().back().strTexto; }
  // Todos os arquivos de erros gravados no teste, em sequência.
  std::string LogDeErros() const {
    std::string strTudo;
    for (const auto& e : std::filesystem::recursive_directory_iterator(m_home.Pasta()))
      if (e.is_regular_file() && e.path().filename().string().starts_with("QZProfilerErros"))
        strTudo += LeArquivo(e.path().string());
    return strTudo;
  }

  CHomeTemporaria m_home;
  std::string m_strPasta;
  CEmpresaTeste m_empresa;
  CApresentadorTeste m_caixas;
  CPaiGravador m_pai;
  CUsuarioRoteirizado m_usuario;
  TEdit m_edit;
  CStatic m_static;
};
