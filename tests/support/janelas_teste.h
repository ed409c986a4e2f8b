// Apoio dos testes de janelas: a janela-pai que grava as notificações que de fato
// chegam a ela (depois da reflexão ao controle) e o usuário roteirizado, que age
// como uma pessoa pela fila de mensagens: na hora, sobre um controle, ou dentro
// do laço modal de um diálogo, pelo título.
#pragma once

#include <functional>
#include <memory>
#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

#include "vrmwnd/platform/afxdlg.h"
#include "vrmwnd/platform/useragent.h"

// Uma notificação recebida pelo pai: o controle, o nome do código (EN_CHANGE,
// CBN_SELCHANGE, ...) e o texto do controle no momento em que ela chegou.
struct TNotificacao {
  int nId;
  std::string strCodigo;
  std::string strTexto;
  bool operator==(const TNotificacao& o) const { return nId == o.nId && strCodigo == o.strCodigo; }
};
std::ostream& operator<<(std::ostream& os, const TNotificacao& n);

// Nome do código de notificação conforme a classe do controle que o mandou.
std::string NomeDaNotificacao(HWND hControle, UINT nCodigo);

class CPaiGravador : public CWnd {
 public:
  CPaiGravador();
  ~CPaiGravador() override;
  const std::vector<TNotificacao>& Recebidas() const { return m_recebidas; }
  // Só os nomes dos códigos, na ordem em que chegaram.
  std::vector<std::string> Codigos() const;
  void Limpa() { m_recebidas.clear(); }
  // Chamado a cada notificação que chega (depois de gravada).
  std::function<void(const TNotificacao&)> m_aoReceber;

 protected:
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra = nullptr, void* pHandlerInfo = nullptr) override;

 private:
  std::vector<TNotificacao> m_recebidas;
};

class CUsuarioRoteirizado;

// Os passos combinados para um diálogo; cada passo é uma ação da pessoa.
class CRoteiro {
 public:
  // Clica no controle e digita o texto, um caractere por vez.
  CRoteiro& Digita(int nId, const char* szTexto);
  // Uma tecla no controle que tem o foco, com modificadores (VK_LSHIFT, ...).
  CRoteiro& Tecla(int nTecla, std::initializer_list<int> modificadores = {});
  // Digita sem clicar: o texto vai ao controle que tem o foco.
  CRoteiro& Escreve(const char* szTexto);
  CRoteiro& Clica(int nId);
  // Abre a lista do combo e clica no item de texto exato.
  CRoteiro& Escolhe(int nId, const char* szItem);
  // Observa o diálogo aberto (sem agir).
  CRoteiro& Confere(std::function<void(HWND hDialogo)> fn);

 private:
  friend class CUsuarioRoteirizado;
  std::string m_strTitulo;
  std::vector<std::function<void(HWND)>> m_passos;
  std::size_t m_nProximo = 0;
};

class CUsuarioRoteirizado : public IUserAgent {
 public:
  CUsuarioRoteirizado();
  ~CUsuarioRoteirizado() override;
  CUsuarioRoteirizado(const CUsuarioRoteirizado&) = delete;
  CUsuarioRoteirizado& operator=(const CUsuarioRoteirizado&) = delete;

  // Roteiro para o próximo diálogo com esse título (os roteiros são usados na ordem).
  CRoteiro& QuandoAbrir(const char* szTitulo);
  // Títulos dos diálogos que abriram, na ordem.
  const std::vector<std::string>& Abertos() const { return m_abertos; }

  // Ações na hora, fora de um diálogo modal: a fila é processada até esvaziar.
  void Digita(CWnd& controle, const char* szTexto);
  void Tecla(int nTecla, std::initializer_list<int> modificadores = {});
  void Clica(CWnd& controle);
  void Escolhe(CWnd& combo, const char* szItem);
  static void ProcessaFila();

  bool Act(HWND hwndModal) override;

 private:
  std::vector<std::unique_ptr<CRoteiro>> m_roteiros;
  std::vector<std::string> m_abertos;
  HWND m_hUltimo = nullptr;
  IUserAgent* m_pAnterior = nullptr;
};
